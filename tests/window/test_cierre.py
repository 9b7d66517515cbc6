# -*- coding: utf-8 -*-
"""Closing the window: the close box, the cancel button and a direct call
all run OnCloseWindow's three calls in order, and let every failure
through."""

import unittest

from apoyo import CasoVentana, Dialogo, E, V, registroActual, registro, wx

CIERRE = [E(V, 'MakeModal', False), E(V, 'Destroy'), E('abridor', 'MakeModal', True)]

# ways to close: (name, how)
MANERAS = [
    ('caja de cierre', lambda v: wx.disparar(v, wx.EVT_CLOSE)),
    ('boton cancelar', lambda v: wx.disparar(v.buttonCancelar, wx.EVT_BUTTON)),
    ('OnCancelar', lambda v: v.OnCancelar(object())),
    ('OnCancelar por nombre', lambda v: v.OnCancelar(event=object())),
    ('OnCloseWindow(None)', lambda v: v.OnCloseWindow(None)),
]


class CierreTest(CasoVentana):

    def test_las_tres_llamadas_en_orden(self):
        for nombre, cerrar in MANERAS:
            for alternativa in (False, True):
                self.reiniciar()
                ventana = self.ventana(alternativa)
                wx.escribir(ventana.nombreCuadro, u'Lo que sea')
                cerrar(ventana)
                self.assertEqual(registroActual(), CIERRE, nombre)
                self.assertTrue(wx.estado(ventana)['destruido'], nombre)
                self.assertTrue(wx.estado(self.abridor)['modal'], nombre)
                self.assertEqual(wx.ventanasSuperiores(), [self.abridor], nombre)
                self.assertIs(ventana.parent, self.abridor)

    def test_los_fallos_no_se_capturan(self):
        # (what fails, the log up to it)
        fallos = [
            (lambda: registro.fallar('MakeModal', quien=V), CIERRE[:1]),
            (lambda: registro.fallar('Destroy', quien=V), CIERRE[:2]),
            (lambda: registro.fallar('MakeModal', quien='abridor'), CIERRE),
        ]
        for nombre, cerrar in MANERAS:
            for fallar, esperado in fallos:
                self.reiniciar()
                ventana = self.ventana()
                fallar()
                self.assertRaises(RuntimeError, cerrar, ventana)
                self.assertEqual(registroActual(), esperado, nombre)
                self.assertFalse(wx.estado(self.abridor)['modal'], nombre)

    def test_abridor_sin_MakeModal_falla_tras_destruir(self):
        for nombre, cerrar in MANERAS:
            self.reiniciar(hacerAbridor=lambda: wx.Window(None))
            ventana = self.ventana()
            with self.assertRaises(AttributeError) as capturado:
                cerrar(ventana)
            self.assertIn("'MakeModal'", str(capturado.exception), nombre)
            self.assertEqual(registroActual(), CIERRE[:2], nombre)
            self.assertTrue(wx.estado(ventana)['destruido'], nombre)

    def test_cancelar_y_cerrar_pasan_por_la_instancia(self):
        recibidos = []

        class Propia(Dialogo):
            def OnCloseWindow(self, event):
                recibidos.append(event)

        for nombre, cerrar in MANERAS[:-1]:
            del recibidos[:]
            self.reiniciar()
            with registro.silencio():
                ventana = Propia(self.abridor, [])
            cerrar(ventana)
            self.assertEqual(len(recibidos), 1, nombre)
            if nombre == 'caja de cierre':
                self.assertIsInstance(recibidos[0], wx.CloseEvent)
            else:
                self.assertIsNone(recibidos[0], nombre)
            self.assertEqual(registro.registro, [], nombre)


if __name__ == '__main__':
    unittest.main()
