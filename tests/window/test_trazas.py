# -*- coding: utf-8 -*-
"""The traceback entries a failure gains on its way through the window's
methods: the method's dotted name, the module's source path and the line
of the statement that failed."""

import sys
import unittest

from apoyo import (CasoVentana, Dialogo, CLASE, FICHERO, V, entradasDelModulo, lineasDeFuente,
                   padre, registro, wx)


class TrazasTest(CasoVentana):

    def test_entradas_de_cada_metodo(self):
        def conjuntoNone():
            ventana = self.ventana(False, [], None)
            wx.escribir(ventana.nombreCuadro, u'Nuevo')
            return ventana

        def conNombre():
            ventana = self.ventana(False, [], padre.Conjunto(u'Viejo'))
            wx.escribir(ventana.nombreCuadro, u'Nuevo')
            return ventana

        # (preparation returning the window, what fails, the action,
        #  expected entries outermost first: (method, text of its line or None))
        casos = [
            (lambda: None, None, lambda v: Dialogo(self.abridor), []),
            (lambda: None, ('_C', None), lambda v: Dialogo(self.abridor, []),
             [('__init__', u'Nombre del conjunto de medidas de mejora')]),
            (lambda: None, ('__init__', 'MiTextCtrl'), lambda v: Dialogo(self.abridor, []),
             [('__init__', '_init_ctrls'), ('_init_ctrls', None)]),
            (conjuntoNone, None, lambda v: v.OnAceptar(None), [('OnAceptar', '"nombre"')]),
            (conjuntoNone, None, lambda v: wx.disparar(v.buttonAceptar, wx.EVT_BUTTON),
             [('OnAceptar', '"nombre"')]),
            (conNombre, ('Destroy', V), lambda v: v.OnAceptar(None),
             [('OnAceptar', None), ('OnCloseWindow', 'Destroy')]),
            (self.ventana, ('Destroy', V), lambda v: wx.disparar(v, wx.EVT_CLOSE),
             [('OnCloseWindow', 'Destroy')]),
            (self.ventana, ('MakeModal', 'abridor'), lambda v: v.OnCancelar(None),
             [('OnCancelar', None), ('OnCloseWindow', 'MakeModal')]),
            (self.ventana, ('MakeModal', 'abridor'),
             lambda v: wx.disparar(v.buttonCancelar, wx.EVT_BUTTON),
             [('OnCancelar', None), ('OnCloseWindow', 'MakeModal')]),
        ]
        for n, (preparar, fallo, accion, esperado) in enumerate(casos):
            self.reiniciar()
            ventana = preparar()
            if fallo:
                registro.fallar(fallo[0], quien=fallo[1])
            try:
                accion(ventana)
            except (RuntimeError, AttributeError, TypeError):
                tb = sys.exc_info()[2]
            else:
                self.fail('caso %d no falla' % n)
            entradas = entradasDelModulo(tb)
            self.assertEqual([nombre for nombre, _ in entradas],
                             [CLASE + '.' + metodo for metodo, _ in esperado], n)
            for (nombre, linea), (_, texto) in zip(entradas, esperado):
                lineas = lineasDeFuente(linea)
                self.assertTrue(linea > 0 and any(l.strip() for l in lineas), (n, nombre, linea))
                if texto:
                    self.assertTrue(any(texto in l for l in lineas), (n, nombre, linea, texto))
            del tb

    def test_entrada_entre_quien_llama_y_lo_que_falla(self):
        ventana = self.ventana()
        registro.fallar('Destroy', quien=V)
        try:
            ventana.OnCancelar(None)
        except RuntimeError:
            import traceback
            ficheros = [entrada[0] for entrada in traceback.extract_tb(sys.exc_info()[2])]
        self.assertEqual(ficheros[0], __file__.replace('.pyc', '.py'))
        self.assertEqual(ficheros[1:3], [FICHERO, FICHERO])
        self.assertTrue(ficheros[3].endswith('wx.py'), ficheros)


if __name__ == '__main__':
    unittest.main()
