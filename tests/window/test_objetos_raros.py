# -*- coding: utf-8 -*-
"""Odd objects where the window expects ordinary ones: each case runs in a
fresh interpreter, which must end normally with the exception that Python
code would give (or none, where the window swallows it)."""

import ast
import unittest

from apoyo import subproceso

ARNES = '''
    class ErrorRaro(Exception):
        pass

    def rompe(*args):
        raise ErrorRaro('raro')

    class VerdadRota(object):
        __nonzero__ = rompe

    class DistintoRoto(unicode):
        __ne__ = rompe

    class DistintoSinVerdad(object):
        def __ne__(self, otro):
            return VerdadRota()

    class Roto(object):
        __ne__ = __eq__ = rompe

    class Viejo:
        pass

    def ventana(alternativa=False, *args, **kwargs):
        from Quimbra.modelsNuevos import Alternativa
        vg.obraNueva, vg.alternativaCopia = alternativa, Alternativa()
        v = Dialogo(kwargs.pop('abridor', abridor), *(args or ([],)), **kwargs)
        wx.escribir(v.nombreCuadro, u'Nuevo')
        return v

    v = None
    %s
    try:
        accion()
        resultado = 'sin error'
    except BaseException as error:
        resultado = (error.__class__.__name__, str(error))
    except:
        resultado = (sys.exc_info()[0].__name__, '')
    with registro.silencio():
        print repr((resultado, v is not None and wx.estado(v)['destruido'],
                    len(registro.llamadas(metodo='MessageBox')), vg.alternativa is not None))
'''

RARO = ('ErrorRaro', 'raro')

# (case, code defining accion, result, window destroyed, warnings, new alternative)
CASOS = [
    ('obraNueva sin verdad al construir',
     'vg.obraNueva = VerdadRota(); accion = lambda: Dialogo(abridor, [])',
     RARO, False, 0, False),
    ('obraNueva sin verdad al aceptar',
     'v = ventana(); vg.obraNueva = VerdadRota(); accion = lambda: v.OnAceptar(None)',
     RARO, False, 0, False),
    ('nombre cuyo != falla',
     'v = ventana(False, [], padre.Conjunto(u"Viejo")); '
     'wx.escribir(v.nombreCuadro, DistintoRoto(u"x")); accion = lambda: v.OnAceptar(None)',
     RARO, False, 0, False),
    ('mensajeError cuyo != da algo sin verdad',
     'v = ventana(); v.nombreCuadro.validacion = lambda t, m: (DistintoSinVerdad(), u"x"); '
     'accion = lambda: v.OnAceptar(None)',
     RARO, False, 0, False),
    ('respuesta de la comprobacion cuyo != falla',
     'v = ventana(True); otrasFunciones.respuesta = Roto(); accion = lambda: v.OnAceptar(None)',
     RARO, False, 0, False),
    ('esProyecto sin verdad',
     'v = ventana(True, [], None, u"", VerdadRota()); accion = lambda: v.OnAceptar(None)',
     RARO, True, 0, True),
    ('esProyecto cuyo == falla',
     'v = ventana(True, [], None, u"", Roto()); accion = lambda: v.OnAceptar(None)',
     RARO, True, 0, True),
    ('aplicandoProyecto cuyo == falla',
     'v = ventana(True, [], None, u"", True, Roto()); accion = lambda: v.OnAceptar(None)',
     RARO, True, 0, True),
    ('abridor sin MakeModal',
     'v = ventana(abridor=wx.Window(None)); accion = lambda: v.OnCancelar(None)',
     ('AttributeError', "'Window' object has no attribute 'MakeModal'"), True, 0, False),
    ('_C que no da texto',
     'idiomaComplemento.tabla[u"Nombre del conjunto de medidas de mejora"] = 42; '
     'accion = lambda: Dialogo(abridor, [])',
     ('TypeError', 'Frame: the title must be a string'), False, 0, False),
    ('patron sin %s',
     'idiomaComplemento.tabla[u"Alternativa %s"] = u"Alternativa"; vg.obraNueva = True; '
     'accion = lambda: Dialogo(abridor, [])',
     ('TypeError', 'not all arguments converted during string formatting'), False, 0, False),
    ('_C que lanza una instancia de clase antigua',
     'v = ventana(); modulo._C = lambda t: rompeViejo(); accion = lambda: v.OnAceptar(None)\n'
     'def rompeViejo():\n    raise Viejo()',
     ('Viejo', ''), False, 0, False),
    ('modulo sin wx',
     'del modulo.wx; accion = lambda: Dialogo(abridor, [])',
     ('NameError', "global name 'wx' is not defined"), False, 0, False),
    ('vg None',
     'modulo.vg = None; accion = lambda: Dialogo(abridor, [])',
     ('AttributeError', "'NoneType' object has no attribute 'obraNueva'"), False, 0, False),
    ('ventana sin nombreCuadro',
     'v = ventana(); del v.nombreCuadro; accion = lambda: v.OnAceptar(None)',
     ('AttributeError',
      "'DialogCambioNombreProducto' object has no attribute 'nombreCuadro'"), False, 0, False),
    ('entrada del diccionario con otro objeto',
     'accion = lambda: vars(Dialogo)["OnCancelar"](object(), None)',
     ('AttributeError', "'object' object has no attribute 'OnCloseWindow'"), False, 0, False),
    ('__init__ del diccionario sobre None',
     'accion = lambda: vars(Dialogo)["__init__"](None, abridor, [])',
     ('AttributeError', "'NoneType' object has no attribute 'listadoObjetos'"), False, 0, False),
    ('entrada del diccionario sin argumentos',
     'accion = lambda: vars(Dialogo)["OnAceptar"]()',
     ('TypeError', 'OnAceptar() takes exactly 2 arguments (0 given)'), False, 0, False),
    ('funcionCerrarPantalla lanza KeyboardInterrupt',
     'v = ventana(True, [], None, u"", True, True); '
     'registro.fallar("funcionCerrarPantalla", KeyboardInterrupt()); '
     'accion = lambda: v.OnAceptar(None)',
     'sin error', True, 0, True),
    ('funcionCerrarPantalla lanza una instancia de clase antigua',
     'v = ventana(True, [], None, u"", True, True); '
     'registro.fallar("funcionCerrarPantalla", Viejo()); accion = lambda: v.OnAceptar(None)',
     'sin error', True, 0, True),
    ('funcionCerrarPantalla que no se puede llamar',
     'v = ventana(True, [], None, u"", True, True); abridor.funcionCerrarPantalla = 42; '
     'accion = lambda: v.OnAceptar(None)',
     'sin error', True, 0, True),
]


class ObjetosRarosTest(unittest.TestCase):
    maxDiff = None
    longMessage = True

    def test_sin_caidas_y_con_la_excepcion_de_python(self):
        for caso, codigo, resultado, destruida, avisos, alternativa in CASOS:
            rc, salida, errores = subproceso(ARNES % codigo.replace('\n', '\n    '))
            self.assertEqual((rc, errores), (0, ''), caso)
            self.assertEqual(ast.literal_eval(salida.strip()),
                             (resultado, destruida, avisos, alternativa), caso)


if __name__ == '__main__':
    unittest.main()
