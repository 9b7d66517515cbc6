# -*- coding: utf-8 -*-
"""The module: its imports in order, the names it binds, the class, the
names it reads when they are used, a second import after a failed one,
and the one symbol the library exports."""

import ast
import datetime
import os
import subprocess
import sys
import types
import unittest

from apoyo import (CasoVentana, Dialogo, T, SO, FICHERO, NOMBRE_MODULO, lineasDeFuente, modulo,
                   padre, registro, subproceso, vg, wx)

METODOS = ['__init__', '_init_ctrls', 'OnCloseWindow', 'OnAceptar', 'OnCancelar']

# (statement's module, fromlist, names it binds), in source order
IMPORTACIONES = [
    ('wx', None, ['wx']),
    ('Quimbra.miWx.miFrame', ('MiFrame',), ['MiFrame']),
    ('Quimbra.miWx.miStaticText', ('MiStaticText',), ['MiStaticText']),
    ('Quimbra.miWx.miTextCtrl', ('MiTextCtrl',), ['MiTextCtrl']),
    ('Quimbra.miWx.miBitmapButton', ('MiBitmapButton',), ['MiBitmapButton']),
    ('Quimbra.otrasFunciones', ('OnComprobarNombresConjuntosOAlternativas',),
     ['OnComprobarNombresConjuntosOAlternativas']),
    ('Quimbra.leerDatosFijos', ('DirectorioImagenes',), ['DirectorioImagenes']),
    ('os', None, ['os']),
    ('Quimbra.variablesGlobales', None, ['vg']),
    ('Quimbra.idiomaComplemento', ('_C',), ['_C']),
    ('Quimbra.modelsNuevos', ('Alternativa',), ['Alternativa']),
    ('datetime', ('datetime',), ['datetime']),
    ('Quimbra.funcionesRelacionZelqua', ('cargarAlternativasBorvik',
                                         'actualizarPanelesAlternativas'),
     ['cargarAlternativasBorvik', 'actualizarPanelesAlternativas']),
]
NOMBRES = [n for _, _, nombres in IMPORTACIONES for n in nombres] + ['DialogCambioNombreProducto']

VIGIA = '''
    import __builtin__
    real = __builtin__.__import__
    eventos = []

    def ligados():
        m = sys.modules.get(%(nombre)r)
        return sorted(k for k in vars(m) if not k.startswith('__'))

    class Vigia(object):
        def __init__(self, nombre, objeto):
            self.nombre, self.objeto = nombre, objeto

        def __getattr__(self, atributo):
            eventos.append(('getattr', self.nombre, atributo, ligados()))
            return getattr(self.objeto, atributo)

    def gancho(name, globals=None, locals=None, fromlist=None, level=-1):
        m = sys.modules.get(%(nombre)r)
        if m is None or globals is not vars(m):
            return real(name, globals, locals, fromlist, level)
        eventos.append(('import', name, fromlist, level, locals is globals, ligados()))
        return Vigia(name, real(name, globals, locals, fromlist, level))

    __builtin__.__import__ = gancho
    try:
        import pyx.Quimbra.panelesComunes.ventanaTituloMedidas as m
    finally:
        __builtin__.__import__ = real
    import datetime
    ligado = {}
    for nombre, valor in vars(m).items():
        if isinstance(valor, Vigia):
            ligado[nombre] = 'lo que dio __import__(%%r)' %% valor.nombre
        elif valor is sys.modules.get('Quimbra.variablesGlobales'):
            ligado[nombre] = 'Quimbra.variablesGlobales'
        elif valor is datetime.datetime:
            ligado[nombre] = 'datetime.datetime'
    print repr((eventos, ligado))
'''


class ImportacionTest(unittest.TestCase):
    maxDiff = None

    def test_importaciones_en_orden_y_cada_nombre_ligado_al_momento(self):
        codigo, salida, errores = subproceso(VIGIA % {'nombre': NOMBRE_MODULO}, importar=False)
        self.assertEqual(codigo, 0, errores)
        eventos, ligado = ast.literal_eval(salida.strip())
        esperado, hasta = [], []
        for modulo_, fromlist, nombres in IMPORTACIONES:
            esperado.append(('import', modulo_, fromlist, -1, True, sorted(hasta)))
            if modulo_ == 'Quimbra.variablesGlobales':
                esperado.append(('getattr', modulo_, 'variablesGlobales', sorted(hasta)))
            for nombre in fromlist or ():
                esperado.append(('getattr', modulo_, nombre, sorted(hasta)))
                hasta.append(nombre)
            if not fromlist:
                hasta.extend(nombres)
        self.assertEqual(eventos, esperado)
        self.assertEqual(ligado, {'wx': "lo que dio __import__('wx')",
                                  'os': "lo que dio __import__('os')",
                                  'vg': 'Quimbra.variablesGlobales',
                                  'datetime': 'datetime.datetime'})

    def test_nombres_del_modulo(self):
        self.assertIs(sys.modules[NOMBRE_MODULO], modulo)
        self.assertEqual(modulo.__name__, NOMBRE_MODULO)
        self.assertIsNone(modulo.__doc__)
        self.assertEqual(sorted(n for n in vars(modulo) if not n.startswith('__')), sorted(NOMBRES))
        host = lambda ruta, nombre: getattr(sys.modules[ruta], nombre)
        casos = [
            ('wx', sys.modules['wx']),
            ('MiFrame', host('Quimbra.miWx.miFrame', 'MiFrame')),
            ('MiStaticText', host('Quimbra.miWx.miStaticText', 'MiStaticText')),
            ('MiTextCtrl', host('Quimbra.miWx.miTextCtrl', 'MiTextCtrl')),
            ('MiBitmapButton', host('Quimbra.miWx.miBitmapButton', 'MiBitmapButton')),
            ('OnComprobarNombresConjuntosOAlternativas',
             host('Quimbra.otrasFunciones', 'OnComprobarNombresConjuntosOAlternativas')),
            ('DirectorioImagenes', host('Quimbra.leerDatosFijos', 'DirectorioImagenes')),
            ('os', os),
            ('vg', sys.modules['Quimbra.variablesGlobales']),
            ('_C', host('Quimbra.idiomaComplemento', '_C')),
            ('Alternativa', host('Quimbra.modelsNuevos', 'Alternativa')),
            ('datetime', datetime.datetime),
            ('cargarAlternativasBorvik',
             host('Quimbra.funcionesRelacionZelqua', 'cargarAlternativasBorvik')),
            ('actualizarPanelesAlternativas',
             host('Quimbra.funcionesRelacionZelqua', 'actualizarPanelesAlternativas')),
        ]
        for nombre, objeto in casos:
            self.assertIs(getattr(modulo, nombre), objeto, nombre)

    def test_la_clase(self):
        self.assertEqual(Dialogo.__name__, 'DialogCambioNombreProducto')
        self.assertEqual(Dialogo.__bases__, (modulo.MiFrame,))
        self.assertIs(type(Dialogo), type(modulo.MiFrame))
        self.assertEqual(Dialogo.__module__, NOMBRE_MODULO)
        self.assertIsNone(Dialogo.__doc__)
        self.assertEqual(sorted(vars(Dialogo)), sorted(['__module__', '__doc__'] + METODOS))
        for nombre in METODOS:
            funcion = vars(Dialogo)[nombre]
            self.assertEqual(funcion.__name__, nombre)
            self.assertIsNone(funcion.__doc__)
            self.assertIs(getattr(Dialogo, nombre).im_class, Dialogo)

    def test_clase_hecha_por_la_metaclase_del_marco(self):
        codigo, salida, errores = subproceso('''
            import Quimbra.miWx.miFrame as miFrame
            vistas = []

            class Meta(type):
                def __new__(meta, nombre, bases, espacio):
                    vistas.append((nombre, bases == (miFrame.MiFrame,), sorted(espacio),
                                   espacio.get('__module__')))
                    return type.__new__(meta, nombre, bases, espacio)

            miFrame.MiFrame = Meta('MiFrame', (miFrame.MiFrame,), {})
            vistas[:] = []
            import pyx.Quimbra.panelesComunes.ventanaTituloMedidas as m
            print repr((vistas, type(m.DialogCambioNombreProducto).__name__))
            ''', importar=False)
        self.assertEqual(codigo, 0, errores)
        self.assertEqual(ast.literal_eval(salida.strip()), (
            [('DialogCambioNombreProducto', True, sorted(['__module__'] + METODOS),
              NOMBRE_MODULO)], 'Meta'))

    def test_exporta_solo_la_funcion_de_inicio(self):
        salida = subprocess.check_output(['nm', '-D', '--defined-only', SO])
        self.assertEqual([linea.split()[-1] for linea in salida.splitlines() if linea.strip()],
                         ['initventanaTituloMedidas'])


REIMPORTAR = '''
    import traceback
    import pyx.Quimbra.panelesComunes as paquete
    %(romper)s
    resultado = {}
    try:
        import pyx.Quimbra.panelesComunes.ventanaTituloMedidas
    except ImportError as error:
        entrada = traceback.extract_tb(sys.exc_info()[2])[-1]
        resultado['error'] = str(error)
        resultado['entrada'] = entrada[:3]
    resultado['en sys.modules'] = %(nombre)r in sys.modules
    resultado['en el paquete'] = hasattr(paquete, 'ventanaTituloMedidas')
    %(arreglar)s
    import pyx.Quimbra.panelesComunes.ventanaTituloMedidas as m
    resultado['nombres'] = sorted(n for n in vars(m) if not n.startswith('__'))
    resultado['es el de sys.modules'] = m is sys.modules[%(nombre)r]
    v = m.DialogCambioNombreProducto(abridor, [])
    v.OnCancelar(None)
    resultado['abridor modal'] = wx.estado(abridor)['modal']
    print repr(resultado)
'''


class ReimportarTest(unittest.TestCase):
    maxDiff = None

    def test_tras_un_fallo_la_siguiente_importacion_vuelve_a_empezar(self):
        # (how the host is broken, how it is mended, message, text of the failing line)
        casos = [
            ('import Quimbra.modelsNuevos as roto; guardado = roto.Alternativa; '
             'del roto.Alternativa', 'roto.Alternativa = guardado',
             'cannot import name Alternativa', 'Quimbra.modelsNuevos'),
            ('import Quimbra.funcionesRelacionZelqua as roto; '
             'guardado = roto.actualizarPanelesAlternativas; '
             'del roto.actualizarPanelesAlternativas',
             'roto.actualizarPanelesAlternativas = guardado',
             'cannot import name actualizarPanelesAlternativas',
             'Quimbra.funcionesRelacionZelqua'),
            ("sys.modules['Quimbra.otrasFunciones'] = None",
             "del sys.modules['Quimbra.otrasFunciones']",
             'No module named otrasFunciones', 'Quimbra.otrasFunciones'),
            ("guardado = sys.modules['wx']; sys.modules['wx'] = None",
             "sys.modules['wx'] = guardado", 'No module named wx', '"wx"'),
        ]
        for romper, arreglar, mensaje, texto in casos:
            codigo, salida, errores = subproceso(REIMPORTAR % dict(
                nombre=NOMBRE_MODULO, romper=romper, arreglar=arreglar), importar=False)
            self.assertEqual(codigo, 0, errores)
            resultado = ast.literal_eval(salida.strip())
            fichero, linea, funcion = resultado.pop('entrada')
            self.assertEqual((fichero, funcion), (FICHERO, 'init ' + NOMBRE_MODULO), romper)
            self.assertTrue(any(texto in l for l in lineasDeFuente(linea)), (linea, texto))
            self.assertEqual(resultado, {
                'error': mensaje, 'en sys.modules': False, 'en el paquete': False,
                'nombres': sorted(NOMBRES), 'es el de sys.modules': True,
                'abridor modal': True}, romper)


class NombresLeidosAlUsarseTest(CasoVentana):
    """Each module-level name is looked up when it is used: rebinding it on
    the module changes what the window does."""

    def test_cada_nombre(self):
        recibidos = []

        def anotador(nombre, resultado=None):
            def funcion(*args, **kwargs):
                recibidos.append((nombre, args, kwargs))
                return resultado
            return funcion

        class MarcoFalso(object):
            __init__ = staticmethod(anotador('MiFrame.__init__'))

        class OtraAlternativa(object):
            pass

        class Texto(modulo.MiStaticText):
            pass

        class Cuadro(modulo.MiTextCtrl):
            pass

        class Boton(modulo.MiBitmapButton):
            pass

        otroVg = types.ModuleType('otroVg')
        otroVg.obraNueva = True
        otroOs = types.ModuleType('otroOs')
        otroOs.path = types.ModuleType('otroOs.path')
        otroOs.path.join = lambda *partes: '|'.join(partes)
        otroWx = types.ModuleType('otroWx')
        vars(otroWx).update(vars(wx))
        otroWx.MessageBox = anotador('MessageBox')

        def construir():
            return self.ventana()

        def aceptarRepetido():
            ventana = self.ventana(False, [padre.Conjunto(u'Nuevo')], padre.Conjunto(u'Viejo'))
            wx.escribir(ventana.nombreCuadro, u'Nuevo')
            ventana.OnAceptar(None)
            return ventana

        def aceptarAlternativa(esProyecto):
            def aceptar():
                ventana = self.ventana(True, [], None, u'', esProyecto, True)
                ventana.OnAceptar(None)
                with registro.silencio():
                    return vg.alternativa
            return aceptar

        casos = [
            ('vg', otroVg, construir,
             lambda v: wx.estado(v)['titulo'] == T(u'Nombre de la alternativa')),
            ('_C', anotador('_C', u'otro'), construir,
             lambda v: wx.estado(v)['titulo'] == u'otro'),
            ('DirectorioImagenes', 'otra', construir,
             lambda v: v.imagenButtonAceptar._ruta == os.path.join('otra', 'botonAceptar.png')),
            ('os', otroOs, construir,
             lambda v: v.imagenButtonCancelarOver._ruta == '%s|botonCerrar_Over.png'
             % modulo.DirectorioImagenes),
            ('MiFrame', MarcoFalso, construir,
             lambda v: recibidos[0][:2] == ('MiFrame.__init__', (v, self.abridor))),
            ('MiStaticText', Texto, construir, lambda v: type(v.nombreText) is Texto),
            ('MiTextCtrl', Cuadro, construir, lambda v: type(v.nombreCuadro) is Cuadro),
            ('MiBitmapButton', Boton, construir, lambda v: type(v.buttonCancelar) is Boton),
            ('wx', otroWx, aceptarRepetido, lambda v: recibidos[0][0] == 'MessageBox'),
            ('OnComprobarNombresConjuntosOAlternativas', anotador('comprobar', u'ocupado'),
             aceptarRepetido, lambda v: v.conjuntoOAlternativa.nombre == u'Viejo' and
             recibidos[0][0] == 'comprobar'),
            ('Alternativa', OtraAlternativa, aceptarAlternativa(False),
             lambda a: type(a) is OtraAlternativa),
            ('actualizarPanelesAlternativas', anotador('actualizar'), aceptarAlternativa(True),
             lambda a: recibidos == [('actualizar', (), {})]),
            ('cargarAlternativasBorvik', anotador('cargar'), aceptarAlternativa(True),
             lambda a: recibidos == [('cargar', (), {})]),
        ]
        for nombre, sustituto, accion, comprobar in casos:
            self.reiniciar()
            del recibidos[:]
            original = getattr(modulo, nombre)
            self.poner(nombre, sustituto)
            try:
                self.assertTrue(comprobar(accion()), nombre)
            finally:
                self.poner(nombre, original)


if __name__ == '__main__':
    unittest.main()
