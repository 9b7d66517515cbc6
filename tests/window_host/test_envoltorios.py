# -*- coding: utf-8 -*-
"""The host's window wrappers, run on the recording `wx` double."""

import os
import unittest

import rutas  # noqa: F401  (sys.path)
import registro
import wx
from Quimbra.miWx.miBitmapButton import MiBitmapButton
from Quimbra.miWx.miFrame import MiFrame
from Quimbra.miWx.miStaticText import MiStaticText
from Quimbra.miWx.miTextCtrl import MiTextCtrl

AVISO = u'Indique un nombre'


class ConVentana(unittest.TestCase):
    def setUp(self):
        registro.reiniciar()
        self.ventana = wx.Frame(None)
        registro.limpiar()


class MiTextCtrlTest(ConVentana):
    def cuadro(self, texto):
        cuadro = MiTextCtrl(self.ventana, id=0, value=u'')
        wx.escribir(cuadro, texto)
        return cuadro

    def test_lectura_validada(self):
        # typed text, returned value, mensajeError afterwards
        casos = [
            (u'', AVISO, AVISO),
            (u'   ', AVISO, AVISO),
            (u' \t\n ', AVISO, AVISO),
            (u'Alternativa 1', u'Alternativa 1', None),
            (u'  con blancos  ', u'  con blancos  ', None),
            (u'x', u'x', None),
        ]
        for texto, devuelto, mensaje in casos:
            cuadro = self.cuadro(texto)
            self.assertEqual(cuadro.GetValue(mensajeError=AVISO), devuelto,
                             repr(texto))
            self.assertEqual(cuadro.mensajeError, mensaje, repr(texto))

    def test_lectura_simple_no_valida(self):
        cuadro = self.cuadro(u'')
        self.assertIsNone(cuadro.mensajeError)
        self.assertEqual(cuadro.GetValue(), u'')
        self.assertIsNone(cuadro.mensajeError)

    def test_lectura_aceptada_borra_el_rechazo_anterior(self):
        cuadro = self.cuadro(u'')
        cuadro.GetValue(mensajeError=AVISO)
        wx.escribir(cuadro, u'Nombre')
        self.assertEqual(cuadro.GetValue(mensajeError=AVISO), u'Nombre')
        self.assertIsNone(cuadro.mensajeError)

    def test_argumentos_pasan_tal_cual_a_wx(self):
        tamano = wx.Size(50, 41)
        registro.limpiar()
        MiTextCtrl(self.ventana, id=0, size=tamano, value=u'',
                   style=wx.TE_MULTILINE | wx.TE_WORDWRAP)
        self.assertEqual(registro.registro[-1], (
            'MiTextCtrl#1', '__init__', (self.ventana,),
            {'id': 0, 'size': tamano, 'value': u'',
             'style': wx.TE_MULTILINE | wx.TE_WORDWRAP}))


class MiBitmapButtonTest(ConVentana):
    def setUp(self):
        ConVentana.setUp(self)
        self.normal = wx.Bitmap(os.path.join(rutas.IMAGENES,
                                             'botonAceptar.png'))
        self.encima = wx.Bitmap(os.path.join(rutas.IMAGENES,
                                             'botonAceptar_Over.png'))

    def test_muestra_la_imagen_over_solo_bajo_el_puntero(self):
        boton = MiBitmapButton(self.ventana, id=-1, bitmap=self.normal,
                               bitmapOver=self.encima,
                               size=self.normal.GetSize())
        for dentro, esperado in [(False, self.normal), (True, self.encima),
                                 (False, self.normal)]:
            wx.apuntar(boton, dentro)
            self.assertIs(wx.bitmapMostrado(boton), esperado, dentro)
        self.assertIs(boton.bitmapOver, self.encima)
        self.assertEqual(boton.GetSize(), (32, 32))

    def test_sin_imagen_over_muestra_siempre_la_normal(self):
        boton = MiBitmapButton(self.ventana, -1, self.normal)
        wx.apuntar(boton)
        self.assertIs(wx.bitmapMostrado(boton), self.normal)
        self.assertIsNone(boton.bitmapOver)

    def test_wx_no_recibe_bitmapOver(self):
        registro.limpiar()
        boton = MiBitmapButton(self.ventana, id=-1, bitmap=self.normal,
                               bitmapOver=self.encima)
        self.assertEqual(registro.llamadas(boton, '__init__')[0][2:],
                         ((self.ventana,), {'id': -1, 'bitmap': self.normal}))

    def test_pulsarlo_llega_a_su_manejador(self):
        boton = MiBitmapButton(self.ventana, bitmap=self.normal,
                               bitmapOver=self.encima)
        pulsaciones = []
        boton.Bind(wx.EVT_BUTTON, pulsaciones.append)
        self.assertTrue(wx.disparar(boton, wx.EVT_BUTTON))
        self.assertEqual(len(pulsaciones), 1)


class MiFrameTest(unittest.TestCase):
    def setUp(self):
        registro.reiniciar()

    def test_encadena_con_wx_frame_y_respeta_parent(self):
        class Ventana(MiFrame):
            def __init__(self, parent):
                self.parent = parent
                MiFrame.__init__(self, parent, title=u'T', size=(700, 200),
                                 style=wx.DEFAULT_FRAME_STYLE |
                                 wx.FRAME_FLOAT_ON_PARENT)

        padre = wx.Frame(None)
        ventana = Ventana(padre)
        self.assertIs(ventana.parent, padre)
        self.assertEqual(registro.llamadas(ventana, '__init__')[0][2], (
            padre, -1, u'T', wx.DefaultPosition, (700, 200),
            wx.DEFAULT_FRAME_STYLE | wx.FRAME_FLOAT_ON_PARENT, 'frame'))
        self.assertEqual(ventana.GetTitle(), u'T')

    def test_make_modal_alterna_las_demas_ventanas(self):
        padre, ventana = wx.Frame(None), MiFrame(None)
        ventana.MakeModal(True)
        self.assertFalse(padre.IsEnabled())
        ventana.MakeModal(False)
        self.assertTrue(padre.IsEnabled())


class FormatosTest(ConVentana):
    def test_texto_grande_es_negrita_y_mayor_que_el_normal(self):
        texto = MiStaticText(self.ventana, -1, u'')
        texto.SetFormatoTextoGrande()
        fuente = texto.GetFont()
        self.assertEqual(fuente.GetWeight(), wx.FONTWEIGHT_BOLD)
        self.assertGreater(fuente.GetPointSize(),
                           wx.NORMAL_FONT.GetPointSize())


if __name__ == '__main__':
    unittest.main()
