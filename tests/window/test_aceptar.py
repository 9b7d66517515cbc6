# -*- coding: utf-8 -*-
"""OnAceptar: every outcome, as a table of cases, with the exact calls and
their interleaving, and the failures that it lets through."""

import unittest

from apoyo import (CasoVentana, Bandera, SinDiferencia, IgualATrue, NombreIgual, E, Ref, T,
                   V, CUADRO, VG, IDIOMA, OTRAS, ZELQUA, COMPROBAR, VACIO_ALTERNATIVA,
                   VACIO_CONJUNTO, REPETIDO_CONJUNTO, REPETIDO_ALTERNATIVA, AVISO,
                   registroActual, otrasFunciones, padre, registro, vg, wx)

MODO = E(VG, 'getattr', 'obraNueva')
CIERRE = [E(V, 'MakeModal', False), E(V, 'Destroy'), E('abridor', 'MakeModal', True)]
ASISTENTE = [E('abridor', 'cargarWizardConjuntoOAlternativa')]
DESDE_CASO_BASE = [E(VG, 'getattr', 'alternativa'),
                   E('Alternativa#1', 'crearAlternativaDesdeCasoBase'),
                   E(VG, 'getattr', 'alternativa'),
                   E('Alternativa#1', 'calculoCalificacion')]
APLICAR = DESDE_CASO_BASE + [E(VG, 'getattr', 'alternativaCopia'),
                             E('copia', 'aplicarACasoBase'),
                             E(ZELQUA, 'actualizarPanelesAlternativas'),
                             E(ZELQUA, 'cargarAlternativasBorvik')]
CERRAR_PANTALLA = [E('abridor', 'funcionCerrarPantalla')]
SIN_COPIA = [E(VG, 'setattr', 'alternativaCopia', None)]
LISTADO = DESDE_CASO_BASE + [E('PanelCuerpo#1', 'OnCargarListadoAlternativas')]


def SIN_CERRAR_PANTALLA():
    return padre.VentanaPadre(conFuncionCerrarPantalla=False)


def lectura(mensaje):
    """Steps 1 and 2: the plain read, then the validating read."""
    return [E(CUADRO, 'GetValue'), MODO, E(IDIOMA, '_C', mensaje),
            E(CUADRO, 'GetValue', mensajeError=T(mensaje))]


def comprobacion(nombre):
    return [E(OTRAS, COMPROBAR, Ref('listado'), nombre)]


def aviso(mostrado, texto=None):
    """A warning box showing `mostrado`; texto is the text translated for it."""
    traducido = [E(IDIOMA, '_C', texto)] if texto else []
    return traducido + [E(IDIOMA, '_C', AVISO), E('wx', 'MessageBox', mostrado, T(AVISO))]


def alta(nombre):
    return [E('Alternativa#1', '__init__'),
            E(VG, 'setattr', 'alternativa', Ref('Alternativa#1')),
            E(VG, 'getattr', 'proyecto'),
            E(VG, 'getattr', 'alternativa'),
            E('Alternativa#1', 'setattr', 'proyecto', Ref('proyecto')),
            E(VG, 'getattr', 'alternativa'),
            E('Alternativa#1', 'setattr', 'nombre', nombre)]


def libre(nombre):
    """An accepted alternative: read, checked, created, closed."""
    return (lectura(VACIO_ALTERNATIVA) + comprobacion(nombre) + [MODO] + alta(nombre) +
            CIERRE)


def caso(descripcion, registro, banderas, texto=u'Nuevo', **opciones):
    """One row: the truth values vg.obraNueva gives in the handler (the
    first also chose the mode the window was built in), the typed text,
    the expected log, and the options (conjunto: the set's name; ocupados:
    names the list already holds; validacion: (mensajeError, returned) of
    the validating read; respuesta: the name check's answer; esProyecto,
    aplicandoProyecto; abridor: what makes the opening window; falla:
    (method, whose) of a call made to raise; copia: vg.alternativaCopia)."""
    return dict(descripcion=descripcion, registro=registro, banderas=banderas, texto=texto,
                **opciones)


CASOS = [
    # set mode
    caso('conjunto: lectura rechazada, se muestra lo que devolvió',
         lectura(VACIO_CONJUNTO) + aviso(u'Escriba algo'), (False,),
         validacion=(u'falta', u'Escriba algo')),
    caso('conjunto: nombre en blanco, rechazado por el cuadro',
         lectura(VACIO_CONJUNTO) + aviso(T(VACIO_CONJUNTO)), (False,), texto=u'   '),
    caso('conjunto: mismo nombre, aunque ocupado',
         lectura(VACIO_CONJUNTO) + comprobacion(u'Viejo') + [MODO] + CIERRE, (False, False),
         texto=u'Viejo', ocupados=[u'Viejo']),
    caso('conjunto: nombre cambiado y ocupado',
         lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO] +
         aviso(T(REPETIDO_CONJUNTO), REPETIDO_CONJUNTO), (False, False), ocupados=[u'Nuevo']),
    caso('conjunto: nombre cambiado y libre',
         lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO] +
         [E('conjunto', 'setattr', 'nombre', u'Nuevo')] + CIERRE + ASISTENTE, (False, False),
         ocupados=[u'Otro']),
    caso('conjunto: se usa la primera lectura, no la validada',
         lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO] +
         [E('conjunto', 'setattr', 'nombre', u'Nuevo')] + CIERRE + ASISTENTE, (False, False),
         validacion=(None, u'Distinto')),
    caso('conjunto: mensajeError que != None niega',
         lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO] +
         [E('conjunto', 'setattr', 'nombre', u'Nuevo')] + CIERRE + ASISTENTE, (False, False),
         validacion=(SinDiferencia(), u'Nuevo')),
    caso('conjunto: respuesta de la comprobación que != None niega',
         lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO] +
         [E('conjunto', 'setattr', 'nombre', u'Nuevo')] + CIERRE + ASISTENTE, (False, False),
         respuesta=SinDiferencia()),
    caso('conjunto: nombre que != el del conjunto niega',
         lectura(VACIO_CONJUNTO) + comprobacion(NombreIgual(u'Nuevo')) + [MODO] + CIERRE,
         (False, False), texto=NombreIgual(u'Nuevo'), ocupados=[u'Nuevo']),
    caso('conjunto tras leer alternativa: la bandera se lee en cada prueba',
         lectura(VACIO_ALTERNATIVA) + comprobacion(u'Nuevo') + [MODO] +
         [E('conjunto', 'setattr', 'nombre', u'Nuevo')] + CIERRE + ASISTENTE, (True, False)),
    # alternative mode
    caso('alternativa: lectura rechazada',
         lectura(VACIO_ALTERNATIVA) + aviso(T(VACIO_ALTERNATIVA)), (True,), texto=u''),
    caso('alternativa: nombre ocupado',
         lectura(VACIO_ALTERNATIVA) + comprobacion(u'Alt 1') + [MODO, MODO] +
         aviso(T(REPETIDO_ALTERNATIVA), REPETIDO_ALTERNATIVA), (True, True, True),
         texto=u'Alt 1', ocupados=[u'Alt 1']),
    caso('alternativa: ocupado, y la bandera cae antes del aviso',
         lectura(VACIO_ALTERNATIVA) + comprobacion(u'Alt 1') + [MODO, MODO], (True, True, False),
         texto=u'Alt 1', ocupados=[u'Alt 1']),
    caso('alternativa libre, esProyecto False', libre(u'Nuevo') + ASISTENTE, (True, True)),
    caso('alternativa libre, esProyecto 0', libre(u'Nuevo') + ASISTENTE, (True, True),
         esProyecto=0, aplicandoProyecto=True),
    caso('alternativa libre, proyecto aplicado',
         libre(u'Nuevo') + APLICAR + CERRAR_PANTALLA + SIN_COPIA, (True, True),
         esProyecto=True, aplicandoProyecto=True),
    caso('alternativa libre, proyecto aplicado, sin funcionCerrarPantalla',
         libre(u'Nuevo') + APLICAR + SIN_COPIA, (True, True),
         esProyecto=True, aplicandoProyecto=True, abridor=SIN_CERRAR_PANTALLA),
    caso('alternativa libre, proyecto aplicado, funcionCerrarPantalla falla',
         libre(u'Nuevo') + APLICAR + CERRAR_PANTALLA + SIN_COPIA, (True, True),
         esProyecto=True, aplicandoProyecto=True,
         falla=('funcionCerrarPantalla', 'abridor')),
    caso('alternativa libre, 1 y 1 cuentan como True',
         libre(u'Nuevo') + APLICAR + CERRAR_PANTALLA + SIN_COPIA, (True, True),
         esProyecto=1, aplicandoProyecto=1),
    caso('alternativa libre, esProyecto == True sin ser True',
         libre(u'Nuevo') + APLICAR + CERRAR_PANTALLA + SIN_COPIA, (True, True),
         esProyecto=IgualATrue(), aplicandoProyecto=True),
    caso('alternativa libre, proyecto sin aplicar', libre(u'Nuevo') + LISTADO, (True, True),
         esProyecto=True, aplicandoProyecto=False),
    caso('alternativa libre, 1 y 0', libre(u'Nuevo') + LISTADO, (True, True),
         esProyecto=1, aplicandoProyecto=0),
    caso('alternativa libre, esProyecto texto', libre(u'Nuevo'), (True, True),
         esProyecto=u'x', aplicandoProyecto=True),
    caso('alternativa libre, aplicandoProyecto None', libre(u'Nuevo'), (True, True),
         esProyecto=True, aplicandoProyecto=None),
]


class AceptarTest(CasoVentana):

    def preparar(self, c):
        """The window of case c, with the name typed; the log starts here."""
        self.reiniciar(hacerAbridor=c.get('abridor'))
        listado = registro.nombrar([padre.Conjunto(n) for n in c.get('ocupados', ())],
                                   'listado')
        if 'conjunto' in c:
            self.conjunto = c['conjunto']
        else:
            self.conjunto = registro.nombrar(padre.Conjunto(u'Viejo'), 'conjunto')
        argumentos = dict(conjuntoOAlternativa=self.conjunto)
        for clave in ('esProyecto', 'aplicandoProyecto'):
            if clave in c:
                argumentos[clave] = c[clave]
        ventana = self.ventana(c['banderas'][0], listado, **argumentos)
        if 'validacion' in c:
            ventana.nombreCuadro.validacion = lambda texto, m: c['validacion']
        if 'respuesta' in c:
            otrasFunciones.respuesta = c['respuesta']
        if 'falla' in c:
            registro.fallar(c['falla'][0], quien=c['falla'][1])
        if 'copia' in c:
            with registro.silencio():
                vg.alternativaCopia = self.copia = c['copia']
        wx.escribir(ventana.nombreCuadro, c['texto'])
        self.bandera = Bandera(*c['banderas'])
        with registro.silencio():
            vg.obraNueva = self.bandera
        return ventana

    def test_cada_resultado(self):
        for c in CASOS:
            ventana = self.preparar(c)
            self.assertIsNone(ventana.OnAceptar(None), c['descripcion'])
            self.assertEqual(registroActual(), c['registro'], c['descripcion'])
            self.assertEqual(self.bandera.pruebas, len(c['banderas']), c['descripcion'])
            self.comprobarEstado(ventana, c)

    def comprobarEstado(self, ventana, c):
        esperado, descripcion = c['registro'], c['descripcion']
        cerrada = E(V, 'Destroy') in esperado
        self.assertEqual(wx.estado(ventana)['destruido'], cerrada, descripcion)
        self.assertEqual(wx.estado(self.abridor)['modal'], cerrada, descripcion)
        renombrado = E('conjunto', 'setattr', 'nombre', u'Nuevo') in esperado
        self.assertEqual(self.conjunto.nombre, u'Nuevo' if renombrado else u'Viejo', descripcion)
        with registro.silencio():
            alternativa, copia = vg.alternativa, vg.alternativaCopia
        if E('Alternativa#1', '__init__') in esperado:
            self.assertEqual((alternativa.proyecto, alternativa.nombre),
                             (self.proyecto, c['texto']), descripcion)
            self.assertIs(alternativa.nombre, wx.estado(ventana.nombreCuadro)['valor'])
        else:
            self.assertIsNone(alternativa, descripcion)
        self.assertIs(copia, None if SIN_COPIA[0] in esperado else self.copia, descripcion)
        # what the window was given stays readable after the close
        self.assertIs(ventana.conjuntoOAlternativa, self.conjunto)
        self.assertIs(ventana.parent, self.abridor)
        self.assertIs(ventana.esProyecto, c.get('esProyecto', False))

    def test_boton_aceptar_y_evento_por_nombre(self):
        c = [c for c in CASOS if c['descripcion'] == 'conjunto: nombre cambiado y libre'][0]
        for pulsar in (lambda v: wx.disparar(v.buttonAceptar, wx.EVT_BUTTON),
                       lambda v: v.OnAceptar(event=object())):
            ventana = self.preparar(c)
            pulsar(ventana)
            self.assertEqual(registroActual(), c['registro'])

    def test_fallos_que_no_se_capturan(self):
        # (case with its log up to the failure, exception, window closed)
        casos = [
            (caso('conjunto None en modo conjunto',
                  lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO], (False, False),
                  conjunto=None), AttributeError, False),
            (caso('abridor sin cargarWizardConjuntoOAlternativa',
                  lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO] +
                  [E('conjunto', 'setattr', 'nombre', u'Nuevo')] + CIERRE, (False, False),
                  abridor=lambda: wx.Frame(None)), AttributeError, True),
            (caso('Destroy falla al cerrar',
                  lectura(VACIO_CONJUNTO) + comprobacion(u'Nuevo') + [MODO] +
                  [E('conjunto', 'setattr', 'nombre', u'Nuevo')] + CIERRE[:2], (False, False),
                  falla=('Destroy', V)), RuntimeError, False),
            (caso('calculoCalificacion falla', libre(u'Nuevo') + DESDE_CASO_BASE, (True, True),
                  esProyecto=True, aplicandoProyecto=True,
                  falla=('calculoCalificacion', 'Alternativa#1')), RuntimeError, True),
            (caso('alternativaCopia None',
                  libre(u'Nuevo') + DESDE_CASO_BASE + [E(VG, 'getattr', 'alternativaCopia')],
                  (True, True), esProyecto=True, aplicandoProyecto=True, copia=None),
             AttributeError, True),
        ]
        for c, excepcion, cerrada in casos:
            ventana = self.preparar(c)
            self.assertRaises(excepcion, ventana.OnAceptar, None)
            esperado = c['registro']
            self.assertEqual(registroActual(), esperado, c['descripcion'])
            self.assertEqual(wx.estado(ventana)['destruido'], cerrada, c['descripcion'])
            self.assertEqual(wx.estado(self.abridor)['modal'],
                             E('abridor', 'MakeModal', True) in esperado)
            if self.conjunto is not None:
                renombrado = E('conjunto', 'setattr', 'nombre', u'Nuevo') in esperado
                self.assertEqual(self.conjunto.nombre, u'Nuevo' if renombrado else u'Viejo')
            with registro.silencio():
                alternativa, copia = vg.alternativa, vg.alternativaCopia
            if E('Alternativa#1', '__init__') in esperado:
                self.assertEqual(alternativa.nombre, u'Nuevo')
            else:
                self.assertIsNone(alternativa)
            self.assertIs(copia, self.copia)


if __name__ == '__main__':
    unittest.main()
