# -*- coding: utf-8 -*-
"""The recording `wx` double and the recording host package of the window
tests: they must behave like the toolkit and log what they are told to."""

import os
import subprocess
import sys
import tempfile
import shutil
import textwrap
import unittest

import rutas
import registro
import wx

CABECERAS = ['wx/defs.h', 'wx/toplevel.h', 'wx/frame.h', 'wx/textctrl.h',
             'wx/anybutton.h', 'wx/font.h', 'wx/fontenc.h', 'wx/gdicmn.h']


def constantesDelDoble():
    return sorted(n for n, v in vars(wx).items()
                  if n.isupper() and isinstance(v, (int, long)))


def _compilar(fuente):
    """(compiler exit code, output) of a syntax-only C++ compile against the
    installed wxWidgets headers; None when those are not installed."""
    carpeta = tempfile.mkdtemp()
    try:
        ruta = os.path.join(carpeta, 'constantes.cpp')
        with open(ruta, 'w') as fichero:
            fichero.write(fuente)
        try:
            banderas = subprocess.check_output(['wx-config', '--cxxflags'])
            proceso = subprocess.Popen(
                ['c++', '-std=c++11', '-fsyntax-only'] + banderas.split() +
                [ruta], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        except (OSError, subprocess.CalledProcessError):
            return None
        return proceso.wait(), proceso.stdout.read()
    finally:
        shutil.rmtree(carpeta)


class ConstantesTest(unittest.TestCase):
    def test_iguales_a_las_de_las_cabeceras_instaladas(self):
        fuente = ''.join('#include <%s>\n' % c for c in CABECERAS) + ''.join(
            'static_assert((long)(wx%s) == %dL, "wx.%s differs");\n'
            % (n, getattr(wx, n), n) for n in constantesDelDoble())
        resultado = _compilar(fuente)
        if resultado is None:
            self.skipTest('wxWidgets headers or wx-config not installed')
        codigo, salida = resultado
        self.assertEqual(codigo, 0, salida)


class ConVentanas(unittest.TestCase):
    def setUp(self):
        registro.reiniciar()
        self.frame = wx.Frame(None)
        self.boton = wx.Button(self.frame)
        self.otro = wx.Button(self.frame)
        self.vistos = []
        registro.limpiar()

    def manejador(self, nombre, saltar=False):
        def manejar(evento):
            self.vistos.append(nombre)
            if saltar:
                evento.Skip()
        return manejar


class EventosTest(ConVentanas):
    def test_pulsacion_del_boton(self):
        # bindings (on, name, source, skips), expected handlers run, taken
        casos = [
            ([('boton', 'b', None, False)], ['b'], True),
            ([('frame', 'f', 'boton', False)], ['f'], True),
            ([('frame', 'f', 'otro', False)], [], False),
            ([('frame', 'f', None, False)], ['f'], True),
            ([('boton', 'b', None, False), ('frame', 'f', 'boton', False)],
             ['b'], True),
            ([('boton', 'b', None, True), ('frame', 'f', 'boton', False)],
             ['b', 'f'], True),
            ([('boton', 'b1', None, False), ('boton', 'b2', None, True)],
             ['b2', 'b1'], True),
        ]
        for vinculos, esperados, tomado in casos:
            self.setUp()
            for donde, nombre, origen, saltar in vinculos:
                getattr(self, donde).Bind(
                    wx.EVT_BUTTON, self.manejador(nombre, saltar),
                    getattr(self, origen) if origen else None)
            self.assertEqual(wx.disparar(self.boton, wx.EVT_BUTTON), tomado,
                             vinculos)
            self.assertEqual(self.vistos, esperados, vinculos)

    def test_cierre(self):
        # handler of EVT_CLOSE (None: none bound), destroyed afterwards
        casos = [(None, True), ('queda', False), ('salta', True),
                 ('destruye', True)]
        for caso, destruido in casos:
            self.setUp()
            if caso == 'queda':
                self.frame.Bind(wx.EVT_CLOSE, self.manejador('c'))
            elif caso == 'salta':
                self.frame.Bind(wx.EVT_CLOSE, self.manejador('c', True))
            elif caso == 'destruye':
                self.frame.Bind(wx.EVT_CLOSE, lambda e: self.frame.Destroy())
            for cerrar in (lambda: wx.disparar(self.frame, wx.EVT_CLOSE),
                           self.frame.Close):
                wx.estado(self.frame)['destruido'] = False
                cerrar()
                self.assertEqual(wx.estado(self.frame)['destruido'],
                                 destruido, caso)

    def test_close_se_registra_antes_que_su_manejador(self):
        self.frame.Bind(wx.EVT_CLOSE, lambda e: self.frame.Destroy())
        registro.limpiar()
        self.frame.Close()
        self.assertEqual(registro.resumen(), [('Frame#1', 'Close'),
                                              ('Frame#1', 'Destroy')])

    def test_escribir_y_set_value(self):
        cuadro = wx.TextCtrl(self.frame)
        cuadro.Bind(wx.EVT_TEXT, self.manejador('t'))
        wx.escribir(cuadro, u'abc')
        self.assertEqual((cuadro.GetValue(), cuadro.GetInsertionPoint()),
                         (u'abc', 3))
        cuadro.SetValue(u'Alternativa 1')
        self.assertEqual(cuadro.GetInsertionPoint(), 0)
        cuadro.SetInsertionPointEnd()
        self.assertEqual(cuadro.GetInsertionPoint(), 13)
        cuadro.ChangeValue(u'x')
        self.assertEqual(self.vistos, ['t', 't'])


class RegistroTest(ConVentanas):
    def test_fallar(self):
        # knob arguments, the call made, does it raise
        casos = [
            (('Destroy',), lambda: self.frame.Destroy(), True),
            (('Destroy', None, 'Frame'), lambda: self.frame.Destroy(), True),
            (('Destroy', None, 'Button'), lambda: self.frame.Destroy(), False),
            (('Destroy', None, 'Frame#1'), lambda: self.frame.Destroy(), True),
            (('Show', None, self.boton), lambda: self.otro.Show(), False),
            (('Show', None, self.boton), lambda: self.boton.Show(), True),
            (('MessageBox', ValueError('x'), 'wx'),
             lambda: wx.MessageBox(u'm', u'Aviso'), True),
            (('__init__', None, 'Bitmap'), lambda: wx.Bitmap('b.png'), True),
        ]
        for argumentos, llamada, falla in casos:
            registro.reiniciar()
            registro.fallar(*argumentos)
            antes = len(registro.registro)
            if falla:
                self.assertRaises(Exception, llamada)
            else:
                llamada()
            self.assertEqual(len(registro.registro), antes + 1, argumentos)

    def test_fallar_un_numero_de_veces(self):
        registro.fallar('Layout', veces=1)
        self.assertRaises(RuntimeError, self.frame.Layout)
        self.assertTrue(self.frame.Layout())

    def test_al_llamar_actua_antes_del_cuerpo(self):
        cuadro = wx.TextCtrl(self.frame)
        registro.alLlamar('GetValue', lambda e: wx.escribir(cuadro, u'otro'))
        self.assertEqual(cuadro.GetValue(), u'otro')

    def test_etiquetas_entradas_y_silencio(self):
        registro.reiniciar()
        frame = wx.Frame(None)
        a, b = wx.Button(frame), wx.Button(frame)
        with registro.silencio():
            frame.Layout()
        wx.MessageBox(u'm', u'c')
        self.assertEqual(registro.resumen(), [
            ('Frame#1', '__init__'), ('Button#1', '__init__'),
            ('Button#2', '__init__'), ('wx', 'MessageBox')])
        entrada = registro.registro[1]
        self.assertEqual(entrada, ('Button#1', '__init__', (frame,), {}))
        self.assertIs(entrada.objeto, a)
        self.assertIsNone(registro.registro[-1].objeto)


class ComprobacionesTest(ConVentanas):
    def test_llamadas_que_el_toolkit_rechaza(self):
        sizer = wx.BoxSizer(wx.VERTICAL)
        sizer.Add(self.boton)
        casos = [
            (TypeError, lambda: wx.Frame(object())),
            (TypeError, lambda: wx.TextCtrl(None)),
            (TypeError, lambda: wx.BitmapButton(self.frame, bitmap='a.png')),
            (TypeError, lambda: wx.Size(1.5, 2)),
            (TypeError, lambda: wx.Frame(None, size=(1, 2, 3))),
            (TypeError, lambda: sizer.Add(5)),
            (TypeError, lambda: wx.BoxSizer(wx.EXPAND)),
            (TypeError, lambda: self.frame.SetSizer((1, 2))),
            (TypeError, lambda: self.frame.Bind(wx.EVT_CLOSE, None)),
            (wx.PyAssertionError, lambda: sizer.Add(self.boton)),
        ]
        for excepcion, llamada in casos:
            self.assertRaises(excepcion, llamada)

    def test_bitmap_de_fichero_que_falta(self):
        imagen = wx.Bitmap(os.path.join(rutas.IMAGENES, 'noEsta.png'))
        self.assertFalse(imagen.IsOk())
        self.assertEqual(imagen.GetSize(), (-1, -1))


GRABADOR = textwrap.dedent(r'''
    import sys
    sys.path[:0] = [%(doble)r, %(anfitrion)r]
    import os
    import registro, wx, padre
    import Quimbra.variablesGlobales as vg
    from Quimbra import idiomaComplemento, otrasFunciones
    from Quimbra.idiomaComplemento import _C
    from Quimbra.otrasFunciones import OnComprobarNombresConjuntosOAlternativas
    from Quimbra.modelsNuevos import Alternativa
    from Quimbra.funcionesRelacionZelqua import cargarAlternativasBorvik
    from Quimbra.leerDatosFijos import DirectorioImagenes
    from Quimbra.miWx.miTextCtrl import MiTextCtrl
    from Quimbra.miWx.miBitmapButton import MiBitmapButton

    registro.reiniciar()
    vg.obraNueva = True
    assert vg.obraNueva is True
    idiomaComplemento.tabla[u'Aviso'] = u'W'
    assert _C(u'Aviso') == u'W'
    c = padre.Conjunto(u'A')
    assert OnComprobarNombresConjuntosOAlternativas([c], u'A') is c
    otrasFunciones.respuesta = None
    assert OnComprobarNombresConjuntosOAlternativas([c], u'A') is None
    a = Alternativa()
    a.nombre = u'n'
    a.calculoCalificacion()
    cargarAlternativasBorvik()
    assert registro.resumen() == [
        ('variablesGlobales', 'setattr'), ('variablesGlobales', 'getattr'),
        ('idiomaComplemento', '_C'),
        ('otrasFunciones', 'OnComprobarNombresConjuntosOAlternativas'),
        ('otrasFunciones', 'OnComprobarNombresConjuntosOAlternativas'),
        ('Alternativa#1', '__init__'), ('Alternativa#1', 'setattr'),
        ('Alternativa#1', 'calculoCalificacion'),
        ('funcionesRelacionZelqua', 'cargarAlternativasBorvik')], \
        registro.resumen()

    registro.reiniciar()
    assert vg.obraNueva is False and _C(u'Aviso') == u'Aviso'
    assert OnComprobarNombresConjuntosOAlternativas([c], u'A') is c

    v = padre.VentanaPadre()
    cuadro = MiTextCtrl(v, id=0, value=u'')
    registro.limpiar()
    assert cuadro.GetValue(mensajeError=u'm') == u'm' and cuadro.mensajeError == u'm'
    wx.escribir(cuadro, u'x')
    assert cuadro.GetValue(mensajeError=u'm') == u'x' and cuadro.mensajeError is None
    cuadro.validacion = lambda texto, m: (u'otro', u'dice')
    assert cuadro.GetValue(mensajeError=u'm') == u'dice' and cuadro.mensajeError == u'otro'
    assert registro.registro == [('MiTextCtrl#1', 'GetValue', (), {'mensajeError': u'm'})] * 3

    b, bo = wx.Bitmap(os.path.join(DirectorioImagenes, 'botonCerrar.png')), \
        wx.Bitmap(os.path.join(DirectorioImagenes, 'botonCerrar_Over.png'))
    assert b.IsOk() and bo.IsOk()
    registro.limpiar()
    boton = MiBitmapButton(v, id=-1, bitmap=b, bitmapOver=bo)
    assert registro.registro == [('MiBitmapButton#1', '__init__', (v,),
                                  {'id': -1, 'bitmap': b, 'bitmapOver': bo})]
    wx.apuntar(boton)
    assert wx.bitmapMostrado(boton) is bo
    print 'ok'
''')


class AnfitrionGrabadorTest(unittest.TestCase):
    def test_registra_cada_servicio_y_se_reinicia(self):
        codigo = GRABADOR % {'doble': rutas.DOBLE,
                             'anfitrion': rutas.ANFITRION_GRABADOR}
        proceso = subprocess.Popen([sys.executable, '-c', codigo],
                                   stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE)
        salida, errores = proceso.communicate()
        self.assertEqual((proceso.returncode, salida.strip()), (0, 'ok'),
                         errores)


if __name__ == '__main__':
    unittest.main()
