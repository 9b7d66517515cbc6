# -*- coding: utf-8 -*-
"""No reference is kept or lost: thousands of constructions, refused calls
and handler runs on every path leave the reference counts of what the
window was given where they were, free every window and keep the number of
objects the collector sees steady."""

import gc
import sys
import unittest
import weakref

from apoyo import (CasoVentana, Dialogo, IgualATrue, V, otrasFunciones, padre, registro, vg,
                   wx)

VECES = 2000


class ReferenciasTest(CasoVentana):

    def setUp(self):
        CasoVentana.setUp(self)
        self.listado = [padre.Conjunto(u'Ocupado')]
        self.conjunto = padre.Conjunto(u'Viejo')
        self.nombre = u''.join([u'Guar', u'dado'])
        self.texto = u''.join([u'Nue', u'vo'])
        self.esProyecto, self.aplicando = IgualATrue(), IgualATrue()
        self.elProyecto, self.laCopia = object(), padre.Conjunto(u'copia')
        self.laCopia.aplicarACasoBase = lambda: None
        self.vivas = []

    def seguidos(self):
        return [self.abridor, self.listado, self.conjunto, self.nombre, self.texto,
                self.esProyecto, self.aplicando, self.elProyecto, self.laCopia, Dialogo,
                Dialogo.OnAceptar.im_func]

    def ventana(self, alternativa=False, *args):
        with registro.silencio():
            vg.obraNueva = alternativa
            vg.proyecto, vg.alternativaCopia = self.elProyecto, self.laCopia
        ventana = Dialogo(self.abridor, self.listado, *args)
        self.vivas.append(weakref.ref(ventana))
        return ventana

    def escenarios(self):
        s = self

        def construirConjunto():
            s.ventana(False, s.conjunto, s.nombre, s.esProyecto, s.aplicando)

        def construirAlternativa():
            s.ventana(True, s.conjunto, s.nombre, s.esProyecto, s.aplicando)

        def rechazos():
            for args, kwargs in [((s.abridor, s.listado, s.conjunto, s.nombre, 1, 2, 3), {}),
                                 ((s.abridor, s.listado), dict(color=s.nombre)),
                                 ((s.abridor, s.listado), dict(parent=s.abridor)),
                                 ((s.abridor,), dict(nombre=s.nombre))]:
                try:
                    Dialogo(*args, **kwargs)
                except TypeError:
                    sys.exc_clear()

        def aceptar(alternativa, texto, *args, **opciones):
            def escenario():
                ventana = s.ventana(alternativa, *args)
                if 'fallar' in opciones:
                    registro.fallar(opciones['fallar'], quien=opciones.get('quien'))
                if 'respuesta' in opciones:
                    otrasFunciones.respuesta = opciones['respuesta']
                wx.escribir(ventana.nombreCuadro, texto)
                try:
                    ventana.OnAceptar(None)
                except opciones.get('error', ()):
                    sys.exc_clear()
                s.conjunto.nombre = u'Viejo'
            return escenario

        def cerrar(como):
            def escenario():
                como(s.ventana())
            return escenario

        return [
            ('construir conjunto', construirConjunto),
            ('construir alternativa', construirAlternativa),
            ('argumentos rechazados', rechazos),
            ('lectura rechazada', aceptar(False, u' ', s.conjunto)),
            ('conjunto ocupado', aceptar(False, u'Ocupado', s.conjunto)),
            ('conjunto renombrado', aceptar(False, s.texto, s.conjunto)),
            ('conjunto sin cambio', aceptar(False, u'Viejo', s.conjunto)),
            ('alternativa ocupada', aceptar(True, u'Ocupado')),
            ('alternativa y asistente', aceptar(True, s.texto)),
            ('proyecto aplicado, cierre que falla',
             aceptar(True, s.texto, None, s.nombre, s.esProyecto, s.aplicando,
                     fallar='funcionCerrarPantalla')),
            ('proyecto sin aplicar', aceptar(True, s.texto, None, s.nombre, True, False)),
            ('respuesta propia', aceptar(True, s.texto, respuesta=s.esProyecto)),
            ('conjunto None', aceptar(False, s.texto, None, error=AttributeError)),
            ('Destroy falla', aceptar(False, s.texto, s.conjunto, fallar='Destroy', quien=V,
                                      error=RuntimeError)),
            ('caja de cierre', cerrar(lambda v: wx.disparar(v, wx.EVT_CLOSE))),
            ('boton cancelar', cerrar(lambda v: wx.disparar(v.buttonCancelar, wx.EVT_BUTTON))),
        ]

    def vuelta(self, escenario):
        escenario()
        self.reiniciar(self.abridor)

    def test_sin_fugas_en_cada_camino(self):
        for nombre, escenario in self.escenarios():
            self.vuelta(escenario)
            del self.vivas[:]
            gc.collect()
            cuentas = [sys.getrefcount(objeto) for objeto in self.seguidos()]
            unicos = [sys.getrefcount(objeto) for objeto in (None, True, False)]
            objetos = len(gc.get_objects())
            for _ in range(VECES):
                self.vuelta(escenario)
            gc.collect()
            self.assertEqual([sys.getrefcount(objeto) for objeto in self.seguidos()], cuentas,
                             nombre)
            for antes, despues in zip(unicos, [sys.getrefcount(o) for o in (None, True, False)]):
                self.assertLess(abs(despues - antes), VECES / 10, nombre)
            self.assertEqual([r for r in self.vivas if r() is not None], [], nombre)
            del self.vivas[:]
            self.assertLess(abs(len(gc.get_objects()) - objetos), VECES / 10, nombre)


if __name__ == '__main__':
    unittest.main()
