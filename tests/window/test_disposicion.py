# -*- coding: utf-8 -*-
"""What the constructor and _init_ctrls build: pictures, controls, captions,
the dated default name, tooltips, bindings and sizers, in the order the
calls are made."""

import datetime
import os
import shutil
import struct
import tempfile
import unittest

from apoyo import (CasoVentana, Dialogo, DirectorioImagenes, E, Metodo, Ref, RelojFijo, T, Tamano,
                   VG, IDIOMA, TITULO_ALTERNATIVA, TITULO_CONJUNTO, ROTULO_CONJUNTO, PATRON,
                   FORMATO_FECHA, png, registroActual, padre, registro,
                   idiomaComplemento, vg, wx)

MOMENTO = datetime.datetime(2025, 11, 5, 9, 7, 3)


class Grabada(Dialogo):
    """The window with its attribute writes logged."""

    def __setattr__(self, nombre, valor):
        registro.anotar(self, 'setattr', (nombre, valor))
        Dialogo.__setattr__(self, nombre, valor)


def medidasPng(ruta):
    with open(ruta, 'rb') as fichero:
        return struct.unpack('>II', fichero.read(24)[16:24])


def construccion(v, abridor, valores, alternativa, sello=None):
    """The log of building window v in the given mode; sello is the
    date text of the default name."""
    listado, conjunto, nombre, esProyecto, aplicando = valores
    titulo = TITULO_ALTERNATIVA if alternativa else TITULO_CONJUNTO
    rotulo = TITULO_ALTERNATIVA if alternativa else ROTULO_CONJUNTO
    entradas = [
        E(v, 'setattr', 'listadoObjetos', listado),
        E(v, 'setattr', 'conjuntoOAlternativa', conjunto),
        E(v, 'setattr', 'parent', abridor),
        E(v, 'setattr', 'nombre', nombre),
        E(v, 'setattr', 'esProyecto', esProyecto),
        E(v, 'setattr', 'aplicandoProyecto', aplicando),
        E(VG, 'getattr', 'obraNueva'),
        E(IDIOMA, '_C', titulo),
        E(v, '__init__', abridor, title=T(titulo), size=(700, 200),
          style=wx.DEFAULT_FRAME_STYLE | wx.FRAME_FLOAT_ON_PARENT),
        E(v, 'Centre'),
    ]
    for n, (atributo, fichero) in enumerate([
            ('imagenButtonAceptar', 'botonAceptar.png'),
            ('imagenButtonAceptarOver', 'botonAceptar_Over.png'),
            ('imagenButtonCancelar', 'botonCerrar.png'),
            ('imagenButtonCancelarOver', 'botonCerrar_Over.png')], 1):
        entradas += [E('Bitmap#%d' % n, '__init__', os.path.join(DirectorioImagenes, fichero)),
                     E(v, 'setattr', atributo, Ref('Bitmap#%d' % n))]
    entradas += [
        E('BoxSizer#1', '__init__', wx.VERTICAL),
        E(v, 'setattr', 'vbox', Ref('BoxSizer#1')),
        E('BoxSizer#1', 'Add', (-1, 20)),
        E('BoxSizer#2', '__init__', wx.HORIZONTAL),
        E('MiStaticText#1', '__init__', Ref(v), -1, u''),
        E(v, 'setattr', 'nombreText', Ref('MiStaticText#1')),
        E(VG, 'getattr', 'obraNueva'),
        E(IDIOMA, '_C', rotulo),
        E('MiStaticText#1', 'SetLabel', T(rotulo)),
        E('MiStaticText#1', 'SetFormatoTextoGrande'),
        E('BoxSizer#2', 'Add', Ref('MiStaticText#1'), flag=wx.EXPAND | wx.RIGHT, border=10),
        E('Size#1', '__init__', 50, 41),
        E('MiTextCtrl#1', '__init__', Ref(v), id=0, size=Ref('Size#1'), value=u'',
          style=wx.TE_MULTILINE | wx.TE_WORDWRAP),
        E(v, 'setattr', 'nombreCuadro', Ref('MiTextCtrl#1')),
        E(VG, 'getattr', 'obraNueva'),
    ]
    if alternativa:
        entradas += [
            E(IDIOMA, '_C', PATRON),
            E('MiTextCtrl#1', 'SetValue', T(PATRON) % sello),
            E('MiTextCtrl#1', 'SetInsertionPointEnd'),
        ]
    entradas += [
        E('MiTextCtrl#1', 'SetFormatoTextoTitulo'),
        E('BoxSizer#2', 'Add', Ref('MiTextCtrl#1'), proportion=1, flag=wx.EXPAND),
        E('BoxSizer#1', 'Add', Ref('BoxSizer#2'), flag=wx.LEFT | wx.RIGHT | wx.EXPAND, border=10),
        E('BoxSizer#1', 'Add', (-1, 50)),
        E('BoxSizer#3', '__init__', wx.HORIZONTAL),
    ]
    for n, (atributo, imagen, sobre, consejo, manejador, extra) in enumerate([
            ('buttonAceptar', 'Bitmap#1', 'Bitmap#2', u'Aceptar', 'OnAceptar', {}),
            ('buttonCancelar', 'Bitmap#3', 'Bitmap#4', u'Cancelar', 'OnCancelar',
             dict(flag=wx.LEFT, border=10))], 1):
        boton = 'MiBitmapButton#%d' % n
        medidas = medidasPng(os.path.join(DirectorioImagenes, 'botonAceptar.png' if n == 1
                                          else 'botonCerrar.png'))
        entradas += [
            E(imagen, 'GetSize'),
            E(boton, '__init__', Ref(v), id=-1, bitmap=Ref(imagen), bitmapOver=Ref(sobre),
              size=Tamano(*medidas)),
            E(v, 'setattr', atributo, Ref(boton)),
            E(IDIOMA, '_C', consejo),
            E('ToolTip#%d' % n, '__init__', T(consejo)),
            E(boton, 'SetToolTip', Ref('ToolTip#%d' % n)),
            E(boton, 'Bind', wx.EVT_BUTTON, Metodo(v, manejador)),
            E('BoxSizer#3', 'Add', Ref(boton), **extra),
        ]
    return entradas + [
        E('BoxSizer#1', 'Add', Ref('BoxSizer#3'),
          flag=wx.RIGHT | wx.TOP | wx.BOTTOM | wx.ALIGN_RIGHT, border=10),
        E(v, 'SetSizer', Ref('BoxSizer#1')),
        E(v, 'Bind', wx.EVT_CLOSE, Metodo(v, 'OnCloseWindow')),
    ]


class DisposicionTest(CasoVentana):

    def construir(self, alternativa, clase=Grabada):
        reloj = RelojFijo(MOMENTO)
        self.poner('datetime', reloj)
        with registro.silencio():
            vg.obraNueva = alternativa
        valores = (registro.nombrar([], 'listado'), registro.nombrar(padre.Conjunto(u'C'), 'c'),
                   u'Guardado', registro.nombrar(object(), 'e'), registro.nombrar(object(), 'a'))
        registro.limpiar()
        ventana = clase(self.abridor, *valores)
        return ventana, valores, reloj

    def test_registro_completo_de_cada_modo(self):
        for alternativa in (False, True):
            self.reiniciar()
            ventana, valores, reloj = self.construir(alternativa)
            self.assertEqual(registroActual(), construccion(
                'Grabada#1', self.abridor, valores, alternativa, '05/11/25 - 09:07:03 h'))
            self.assertEqual(reloj.llamadas, [((), {})] if alternativa else [])
            cuadro = wx.estado(ventana.nombreCuadro)
            self.assertNotIn(u'Guardado', cuadro['valor'])
            self.assertEqual(cuadro['puntoInsercion'], len(cuadro['valor']))
            self.assertIs(wx.estado(ventana)['sizer'], ventana.vbox)

    def test_cualquier_padre_para_init_ctrls_da_lo_mismo(self):
        otros = []

        class OtroPadre(Grabada):
            def _init_ctrls(self, parent):
                Dialogo._init_ctrls(self, otros[0])

        for alternativa in (False, True):
            self.reiniciar()
            self.construir(alternativa)
            habitual = registroActual()
            for otro in (None, 42, object(), padre.VentanaPadre()):
                otros[:] = [otro]
                self.reiniciar(self.abridor)
                self.construir(alternativa, OtroPadre)
                self.assertEqual(repr(registroActual()).replace('OtroPadre', 'Grabada'),
                                 repr(habitual), otro)

    def test_nombre_por_defecto_con_la_hora_del_reloj(self):
        antes = datetime.datetime.now().replace(microsecond=0)
        ventana = self.ventana(True)
        despues = datetime.datetime.now()
        valor = wx.estado(ventana.nombreCuadro)['valor']
        prefijo, sufijo = T(PATRON).split(u'%s')
        self.assertTrue(valor.startswith(prefijo) and valor.endswith(sufijo), valor)
        sello = valor[len(prefijo):len(valor) - len(sufijo)]
        self.assertRegexpMatches(sello, r'^\d\d/\d\d/\d\d - \d\d:\d\d:\d\d h$')
        momento = datetime.datetime.strptime(sello, FORMATO_FECHA)
        self.assertTrue(antes <= momento <= despues, (antes, momento, despues))

    def test_nombre_por_defecto_segun_el_patron_traducido(self):
        casos = [
            (datetime.datetime(2025, 11, 5, 9, 7, 3), u'Alternativa %s',
             u'Alternativa 05/11/25 - 09:07:03 h'),
            (datetime.datetime(2030, 12, 31, 23, 59, 59), u'Alternativa %s',
             u'Alternativa 31/12/30 - 23:59:59 h'),
            (datetime.datetime(2001, 2, 3, 0, 0, 0), u'%s (nueva)', u'03/02/01 - 00:00:00 h (nueva)'),
        ]
        for momento, patron, esperado in casos:
            self.reiniciar()
            idiomaComplemento.tabla[PATRON] = patron
            self.poner('datetime', RelojFijo(momento))
            ventana = self.ventana(True)
            valor = wx.estado(ventana.nombreCuadro)['valor']
            self.assertIs(type(valor), unicode)
            self.assertEqual(valor, esperado)

    def test_cada_boton_del_tamano_de_su_imagen_normal(self):
        carpeta = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, carpeta)
        for fichero, medidas in [('botonAceptar.png', (40, 30)), ('botonAceptar_Over.png', (41, 31)),
                                 ('botonCerrar.png', (42, 32)), ('botonCerrar_Over.png', (43, 33))]:
            png(os.path.join(carpeta, fichero), *medidas)
        casos = [(carpeta, (40, 30), (42, 32)),
                 (os.path.join(carpeta, 'noEsta'), (-1, -1), (-1, -1))]
        for directorio, aceptar, cancelar in casos:
            self.poner('DirectorioImagenes', directorio)
            ventana = self.ventana()
            self.assertEqual(wx.estado(ventana.buttonAceptar)['tamano'], aceptar)
            self.assertEqual(wx.estado(ventana.buttonCancelar)['tamano'], cancelar)
            self.assertIs(wx.bitmapMostrado(ventana.buttonAceptar), ventana.imagenButtonAceptar)
            wx.apuntar(ventana.buttonCancelar)
            self.assertIs(wx.bitmapMostrado(ventana.buttonCancelar),
                          ventana.imagenButtonCancelarOver)

    def test_constantes_tomadas_del_toolkit(self):
        nuevas = dict(DEFAULT_FRAME_STYLE=1 << 40, FRAME_FLOAT_ON_PARENT=1 << 41,
                      TE_MULTILINE=1 << 42, TE_WORDWRAP=1 << 43, LEFT=1 << 44, RIGHT=1 << 45,
                      TOP=1 << 46, BOTTOM=1 << 47, EXPAND=1 << 48, ALIGN_RIGHT=1 << 49,
                      VERTICAL=1 << 50, HORIZONTAL=1 << 51)
        for nombre, valor in nuevas.items():
            setattr(wx, nombre, valor)
        for alternativa in (False, True):
            self.reiniciar()
            ventana, valores, reloj = self.construir(alternativa)
            self.assertEqual(registroActual(), construccion(
                'Grabada#1', self.abridor, valores, alternativa, '05/11/25 - 09:07:03 h'))


if __name__ == '__main__':
    unittest.main()
