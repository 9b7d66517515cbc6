# -*- coding: utf-8 -*-
"""The window's constructor: its arguments bound as a Python def binds them,
the attributes it stores, the title, and the calls it makes through the
instance."""

import unittest

from apoyo import (CasoVentana, Dialogo, E, Bandera, Metodo, T, VG, IDIOMA, TITULO_ALTERNATIVA,
                   TITULO_CONJUNTO, ESTILO, forma, registroActual, modulo, padre, registro, wx)


def claseDeReferencia():
    """A class of the same name and base whose methods are Python defs with
    the window's parameters; __init__ keeps what it was given."""
    recibido = []

    def __init__(self, parent, listadoObjetos, conjuntoOAlternativa=None, nombre=u'',
                 esProyecto=False, aplicandoProyecto=False):
        recibido.append((parent, listadoObjetos, conjuntoOAlternativa, nombre,
                         esProyecto, aplicandoProyecto))

    def _init_ctrls(self, parent):
        pass

    def OnCloseWindow(self, event):
        pass

    def OnAceptar(self, event):
        pass

    def OnCancelar(self, event):
        pass

    espacio = dict(__init__=__init__, _init_ctrls=_init_ctrls, OnCloseWindow=OnCloseWindow,
                   OnAceptar=OnAceptar, OnCancelar=OnCancelar)
    return type('DialogCambioNombreProducto', (modulo.MiFrame,), espacio), recibido


def resultado(llamada):
    try:
        return ('ok', llamada())
    except TypeError as error:
        return ('TypeError', str(error))


ATRIBUTOS = ('parent', 'listadoObjetos', 'conjuntoOAlternativa', 'nombre', 'esProyecto',
             'aplicandoProyecto')


class ArgumentosTest(CasoVentana):

    def test_constructor_como_un_def_de_python(self):
        p, l, c = self.abridor, registro.nombrar([], 'l'), padre.Conjunto(u'C')
        registro.nombrar(c, 'c')
        e, a = registro.nombrar(object(), 'e'), registro.nombrar(object(), 'a')
        n = u'Guardado'
        todos = dict(parent=p, listadoObjetos=l, conjuntoOAlternativa=c, nombre=n,
                     esProyecto=e, aplicandoProyecto=a)
        casos = [
            ((p, l), {}),
            ((p, l, c, n, e, a), {}),
            ((), todos),
            ((p,), dict(aplicandoProyecto=a, listadoObjetos=l)),
            ((p, l, c), dict(esProyecto=e)),
            ((), {u'parent': p, u'listadoObjetos': l}),
            ((), {}),
            ((p,), {}),
            ((), dict(listadoObjetos=l, nombre=n)),
            ((p, l, c, n, e, a, 7), {}),
            ((p, l, c, n, e, a, 7), dict(nombre=n)),
            ((p, l, c, n, e, a, 7), dict(color=1)),
            ((p, l), dict(color=1)),
            ((), dict(color=1)),
            ((p, l), {u'\xf1and\xfa': 1}),
            ((p, l), dict(parent=p)),
            ((p, l, c), dict(conjuntoOAlternativa=c)),
            ((p, l), {1: 2}),
        ]
        Referencia, recibido = claseDeReferencia()
        for args, kwargs in casos:
            del recibido[:]
            registro.limpiar()
            esperado = resultado(lambda: Referencia(*args, **kwargs))
            obtenido = resultado(lambda: Dialogo(*args, **kwargs))
            self.assertEqual(esperado[0], obtenido[0], (args, kwargs, obtenido))
            if esperado[0] == 'ok':
                ventana = obtenido[1]
                self.assertEqual(forma(recibido[0]),
                                 forma(tuple(getattr(ventana, nombre) for nombre in ATRIBUTOS)),
                                 (args, kwargs))
            else:
                self.assertEqual(obtenido, esperado, (args, kwargs))
                self.assertEqual(registro.registro, [], (args, kwargs))
                sinIniciar = Dialogo.__new__(Dialogo)
                self.assertEqual(resultado(lambda: Dialogo.__init__(sinIniciar, *args, **kwargs)),
                                 esperado, (args, kwargs))
                self.assertEqual(vars(sinIniciar), {}, (args, kwargs))

    def comparar(self, casos):
        Referencia, _ = claseDeReferencia()
        ventana, referencia = self.ventana(), Referencia.__new__(Referencia)
        for metodo, llamada in casos:
            registro.limpiar()
            esperado = resultado(lambda: llamada(referencia, metodo))
            self.assertEqual(esperado[0], 'TypeError')
            self.assertEqual(resultado(lambda: llamada(ventana, metodo)), esperado, metodo)
            self.assertEqual(registro.registro, [], metodo)

    def test_metodos_como_defs_de_python(self):
        self.comparar([
            ('_init_ctrls', lambda objeto, m: getattr(objeto, m)()),
            ('_init_ctrls', lambda objeto, m: getattr(objeto, m)(1, 2)),
            ('OnCloseWindow', lambda objeto, m: getattr(objeto, m)()),
            ('OnCloseWindow', lambda objeto, m: getattr(objeto, m)(None, None)),
            ('OnAceptar', lambda objeto, m: getattr(objeto, m)(evento=None)),
            ('OnAceptar', lambda objeto, m: getattr(objeto, m)(None, event=None)),
            ('OnCancelar', lambda objeto, m: getattr(objeto, m)(self=objeto)),
        ])

    def test_sin_instancia_como_metodos_de_python(self):
        otro = object()
        self.comparar([
            ('OnCancelar', lambda objeto, m: getattr(type(objeto), m)()),
            ('OnCancelar', lambda objeto, m: getattr(type(objeto), m)(otro, None)),
            ('OnAceptar', lambda objeto, m: getattr(type(objeto), m)(None)),
            ('__init__', lambda objeto, m: getattr(type(objeto), m)(otro, otro, [])),
        ])

    def test_valores_por_defecto(self):
        ventana = self.ventana()
        self.assertIsNone(ventana.conjuntoOAlternativa)
        self.assertIs(type(ventana.nombre), unicode)
        self.assertEqual(ventana.nombre, u'')
        self.assertIs(ventana.esProyecto, False)
        self.assertIs(ventana.aplicandoProyecto, False)
        self.assertIs(ventana.parent, self.abridor)


class Grabada(Dialogo):
    """The window, with its attribute writes logged and its instances kept."""
    hechas = []

    def __new__(cls, *args, **kwargs):
        ventana = Dialogo.__new__(cls)
        cls.hechas.append(ventana)
        return ventana

    def __setattr__(self, nombre, valor):
        registro.anotar(self, 'setattr', (nombre, valor))
        Dialogo.__setattr__(self, nombre, valor)


class ConstruccionTest(CasoVentana):

    def test_atributos_en_orden_antes_del_marco_y_sin_cambio(self):
        listado, conjunto = registro.nombrar([], 'listado'), padre.Conjunto(u'C')
        registro.nombrar(conjunto, 'conjunto')
        esProyecto, aplicando = registro.nombrar(object(), 'e'), registro.nombrar(object(), 'a')
        nombre = u'Guardado'
        Grabada(self.abridor, listado, conjunto, nombre, esProyecto, aplicando)
        self.assertEqual(registroActual()[:10], [
            E('Grabada#1', 'setattr', 'listadoObjetos', listado),
            E('Grabada#1', 'setattr', 'conjuntoOAlternativa', conjunto),
            E('Grabada#1', 'setattr', 'parent', self.abridor),
            E('Grabada#1', 'setattr', 'nombre', nombre),
            E('Grabada#1', 'setattr', 'esProyecto', esProyecto),
            E('Grabada#1', 'setattr', 'aplicandoProyecto', aplicando),
            E(VG, 'getattr', 'obraNueva'),
            E(IDIOMA, '_C', TITULO_CONJUNTO),
            E('Grabada#1', '__init__', self.abridor, title=T(TITULO_CONJUNTO), size=(700, 200),
              style=ESTILO),
            E('Grabada#1', 'Centre'),
        ])
        self.assertIs(registro.registro[3].args[1], nombre)
        self.assertEqual(registroActual()[-1],
                         E('Grabada#1', 'Bind', wx.EVT_CLOSE, Metodo('Grabada#1', 'OnCloseWindow')))

    def test_titulo_por_la_verdad_de_obraNueva(self):
        casos = [(True, TITULO_ALTERNATIVA), (1, TITULO_ALTERNATIVA), (u'x', TITULO_ALTERNATIVA),
                 ([0], TITULO_ALTERNATIVA), (False, TITULO_CONJUNTO), (None, TITULO_CONJUNTO),
                 (0, TITULO_CONJUNTO), ('', TITULO_CONJUNTO), ([], TITULO_CONJUNTO)]
        for valor, titulo in casos:
            self.reiniciar()
            ventana = self.ventana(valor)
            self.assertEqual(wx.estado(ventana)['titulo'], T(titulo), valor)
        for verdad, titulo in ((True, TITULO_ALTERNATIVA), (False, TITULO_CONJUNTO)):
            self.reiniciar()
            bandera = Bandera(verdad, verdad, verdad)
            ventana = self.ventana(bandera)
            self.assertEqual(wx.estado(ventana)['titulo'], T(titulo))
            self.assertEqual(bandera.pruebas, 3)

    def test_lo_que_recibe_el_marco(self):
        Grabada(self.abridor, [])
        inicio = [e for e in registro.registro if e.metodo == '__init__'][0]
        self.assertEqual(inicio.args, (self.abridor,))
        self.assertEqual(sorted(inicio.kwargs), ['size', 'style', 'title'])
        self.assertIs(type(inicio.kwargs['size']), tuple)
        self.assertEqual(inicio.kwargs['size'], (700, 200))
        self.assertEqual(wx.estado(inicio.objeto)['estilo'],
                         wx.DEFAULT_FRAME_STYLE | wx.FRAME_FLOAT_ON_PARENT)
        self.assertEqual(wx.estado(inicio.objeto)['centrado'], wx.BOTH)

    def test_llamadas_de_self_pasan_por_la_instancia(self):
        class Propia(Dialogo):
            def Centre(self, *args, **kwargs):
                registro.anotar(self, 'Centre propio', args, kwargs)

            def _init_ctrls(self, parent):
                registro.anotar(self, '_init_ctrls propio', (parent,))
                Dialogo._init_ctrls(self, parent)

            def Bind(self, *args, **kwargs):
                registro.anotar(self, 'Bind propio', args, kwargs)

            def OnCloseWindow(self, event):
                pass

            def OnAceptar(self, event):
                pass

            def OnCancelar(self, event):
                pass

        Propia(self.abridor, [])
        registrado = registroActual()
        self.assertEqual(registrado[3:5], [E('Propia#1', 'Centre propio'),
                                           E('Propia#1', '_init_ctrls propio', self.abridor)])
        self.assertIs(registro.registro[4].args[0], self.abridor)
        self.assertEqual([e for e in registrado if e[1] in ('Centre', 'Bind')], [
            E('MiBitmapButton#1', 'Bind', wx.EVT_BUTTON, Metodo('Propia#1', 'OnAceptar', 'Propia')),
            E('MiBitmapButton#2', 'Bind', wx.EVT_BUTTON,
              Metodo('Propia#1', 'OnCancelar', 'Propia'))])
        self.assertEqual(registrado[-1], E('Propia#1', 'Bind propio', wx.EVT_CLOSE,
                                           Metodo('Propia#1', 'OnCloseWindow', 'Propia')))

    def test_un_fallo_sale_tal_cual_y_deja_lo_hecho(self):
        # (call made to fail, whose, attributes already there)
        casos = [
            ('_C', IDIOMA, ATRIBUTOS),
            ('__init__', 'Grabada#1', ATRIBUTOS),
            ('Centre', 'Grabada#1', ATRIBUTOS),
            ('__init__', 'MiTextCtrl#1', ATRIBUTOS + ('vbox', 'nombreText')),
            ('Bind', 'Grabada#1', ATRIBUTOS + ('nombreCuadro', 'buttonCancelar')),
        ]
        for metodo, quien, presentes in casos:
            self.reiniciar()
            del Grabada.hechas[:]
            fallo = RuntimeError('falla %s' % metodo)
            registro.fallar(metodo, fallo, quien=quien)
            with self.assertRaises(RuntimeError) as capturado:
                Grabada(self.abridor, [])
            self.assertIs(capturado.exception, fallo)
            self.assertEqual(registro.resumen()[-1], (quien, metodo))
            ventana = Grabada.hechas[-1]
            for nombre in presentes:
                self.assertTrue(hasattr(ventana, nombre), (metodo, quien, nombre))


if __name__ == '__main__':
    unittest.main()
