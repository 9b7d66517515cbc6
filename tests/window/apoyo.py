# -*- coding: utf-8 -*-
"""What the naming window's tests share.

Importing this module puts the `wx` double, the recording host package and
the build tree first on sys.path and imports the window module against them.
The log of registro.py is compared in a plain form (forma): texts, numbers
and flags keep their type, labelled objects become ('obj', label), bound
methods name their instance and the class that defines them, event binders
their wx name, unlabelled wx.Size objects their width and height.
"""

import glob
import os
import struct
import sys
import textwrap
import types
import unittest
import zlib

AQUI = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(AQUI))
sys.path.insert(0, os.path.join(REPO, 'tests', 'support'))

import pyxtest  # noqa: E402

DOBLE = os.path.join(AQUI, 'double')
ANFITRION = os.path.join(DOBLE, 'anfitrion')
# the doubles first: the build tree may hold a `wx` of its own
RUTAS = [DOBLE, ANFITRION, pyxtest.BUILD_PYTHON]
pyxtest.use_paths(*RUTAS)

import registro  # noqa: E402
import wx  # noqa: E402
import padre  # noqa: E402
import Quimbra.variablesGlobales as vg  # noqa: E402
from Quimbra import idiomaComplemento, otrasFunciones  # noqa: E402
from Quimbra.leerDatosFijos import DirectorioImagenes  # noqa: E402
from pyx.Quimbra.panelesComunes import ventanaTituloMedidas as modulo  # noqa: E402

Dialogo = modulo.DialogCambioNombreProducto
NOMBRE_MODULO = 'pyx.Quimbra.panelesComunes.ventanaTituloMedidas'
CLASE = NOMBRE_MODULO + '.DialogCambioNombreProducto'
FICHERO = 'Quimbra\\panelesComunes\\ventanaTituloMedidas'
FUENTES = sorted(glob.glob(os.path.join(REPO, 'src', 'ventanaTituloMedidas', '*.cpp')))
SO = os.path.join(pyxtest.BUILD_PYTHON, 'pyx', 'Quimbra', 'panelesComunes',
                  'ventanaTituloMedidas.so')

VG = 'variablesGlobales'
IDIOMA = 'idiomaComplemento'
OTRAS = 'otrasFunciones'
ZELQUA = 'funcionesRelacionZelqua'
COMPROBAR = 'OnComprobarNombresConjuntosOAlternativas'
V = 'DialogCambioNombreProducto#1'   # the first window of a test
CUADRO = 'MiTextCtrl#1'

# Every text the window hands to _C, as written in the window's tables.
TITULO_ALTERNATIVA = u'Nombre de la alternativa'
TITULO_CONJUNTO = u'Nombre del conjunto de medidas de mejora'
ROTULO_CONJUNTO = u'Nombre del conjunto de\nmedidas de mejora'
PATRON = u'Alternativa %s'
VACIO_ALTERNATIVA = u'Indique un nombre para la alternativa'
VACIO_CONJUNTO = u'Indique un nombre para el conjunto de medidas de mejora'
REPETIDO_CONJUNTO = (u'Revise el nombre del conjunto de mejoras definido ya que ya existe '
                     u'un conjunto de medidas de mejora con el mismo nombre')
REPETIDO_ALTERNATIVA = (u'Revise el nombre de la alternativa definida ya que ya existe una '
                        u'alternativa con el mismo nombre')
AVISO = u'Aviso'
TEXTOS = (TITULO_ALTERNATIVA, TITULO_CONJUNTO, ROTULO_CONJUNTO, PATRON, u'Aceptar',
          u'Cancelar', VACIO_ALTERNATIVA, VACIO_CONJUNTO, REPETIDO_CONJUNTO,
          REPETIDO_ALTERNATIVA, AVISO)
ESTILO = wx.DEFAULT_FRAME_STYLE | wx.FRAME_FLOAT_ON_PARENT
FORMATO_FECHA = '%d/%m/%y - %H:%M:%S h'


def T(texto):
    """What the tests' translation table makes of texto."""
    return u'T[' + texto + u']'


def traducirTodo():
    """Fill the recording _C's table, so that a translated text shows."""
    idiomaComplemento.tabla.update((texto, T(texto)) for texto in TEXTOS)


# --------------------------------------------------------------------------
# The log in comparable form

class Ref(object):
    """Stands for the object labelled etiqueta in an expected entry."""

    def __init__(self, etiqueta):
        self.forma = ('obj', etiqueta)


class Metodo(Ref):
    """Stands for the bound method nombre of the object labelled etiqueta,
    defined in the class called clase."""

    def __init__(self, etiqueta, nombre, clase='DialogCambioNombreProducto'):
        self.forma = ('metodo', ('obj', etiqueta), clase + '.' + nombre)


class Tamano(Ref):
    """Stands for an unlabelled wx.Size of width x height."""

    def __init__(self, ancho, alto):
        self.forma = ('Size', ancho, alto)


def _nombreWx(valor):
    for nombre, objeto in vars(wx).items():
        if objeto is valor:
            return nombre
    return repr(valor)


def _claseQueDefine(metodo):
    for clase in type(metodo.im_self).__mro__:
        if vars(clase).get(metodo.__name__) is metodo.im_func:
            return clase.__name__
    return '?'


def forma(valor):
    if isinstance(valor, Ref):
        return valor.forma
    etiqueta = registro.etiquetaDada(valor)
    if etiqueta is not None:
        return ('obj', etiqueta)
    if isinstance(valor, types.MethodType):
        return ('metodo', forma(valor.im_self),
                _claseQueDefine(valor) + '.' + valor.__name__)
    if isinstance(valor, wx.PyEventBinder):
        return ('wx', _nombreWx(valor))
    if isinstance(valor, wx.Size):
        return ('Size', valor.width, valor.height)
    if isinstance(valor, (tuple, list)):
        return (type(valor).__name__,) + tuple(forma(v) for v in valor)
    if isinstance(valor, dict):
        return ('dict',) + tuple(sorted((k, forma(v)) for k, v in valor.items()))
    if valor is None or isinstance(valor, (bool, int, long, float, str, unicode)):
        return (type(valor).__name__, valor)
    return ('sin etiqueta', type(valor).__name__)


def E(quien, metodo, *args, **kwargs):
    """An expected entry, in the form of registro()."""
    return (quien, metodo, forma(args), forma(kwargs))


def registroActual(desde=0):
    return [(e.quien, e.metodo, forma(e.args), forma(e.kwargs))
            for e in registro.registro[desde:]]


# --------------------------------------------------------------------------
# Fixtures

class Bandera(object):
    """A vg.obraNueva whose truth follows valores, one per truth test; one
    test more than there are values fails the test."""

    def __init__(self, *valores):
        self.valores = list(valores)
        self.pruebas = 0

    def __nonzero__(self):
        if self.pruebas >= len(self.valores):
            raise AssertionError('vg.obraNueva tested more than %d times'
                                 % len(self.valores))
        self.pruebas += 1
        return self.valores[self.pruebas - 1]

    def __repr__(self):
        return 'Bandera%r' % (tuple(self.valores),)


class SinDiferencia(object):
    """Not None, yet `!= None` says False (and `== None` True)."""

    def __ne__(self, otro):
        return False

    def __eq__(self, otro):
        return True

    __hash__ = object.__hash__


class IgualATrue(object):
    """Not True, yet `== True` holds; truthy."""

    def __eq__(self, otro):
        return otro is True

    def __ne__(self, otro):
        return otro is not True

    __hash__ = object.__hash__


class NombreIgual(unicode):
    """A typed name that `!=` finds equal to anything."""

    def __ne__(self, otro):
        return False


class RelojFijo(object):
    """Stands for the datetime class: now() is always `momento`; calls are
    counted in `llamadas`."""
    llamadas = []

    def __init__(self, momento):
        self.momento = momento
        self.llamadas = []

    def now(self, *args, **kwargs):
        self.llamadas.append((args, kwargs))
        return self.momento


def png(ruta, ancho, alto):
    """Write a small valid RGBA PNG of ancho x alto pixels."""
    def trozo(tipo, datos):
        return (struct.pack('>I', len(datos)) + tipo + datos +
                struct.pack('>I', zlib.crc32(tipo + datos) & 0xffffffff))
    filas = ''.join('\x00' + '\x80\x80\x80\xff' * ancho for _ in range(alto))
    with open(ruta, 'wb') as fichero:
        fichero.write('\x89PNG\r\n\x1a\n' +
                      trozo('IHDR', struct.pack('>IIBBBBB', ancho, alto, 8, 6, 0, 0, 0)) +
                      trozo('IDAT', zlib.compress(filas)) + trozo('IEND', ''))


def lineasDeFuente(linea):
    """The text of line `linea` in each source file of the window module
    that has one."""
    textos = []
    for ruta in FUENTES:
        with open(ruta) as fichero:
            lineas = fichero.read().splitlines()
        if 0 < linea <= len(lineas):
            textos.append(lineas[linea - 1])
    return textos


def entradasDelModulo(tb):
    """(name, line) of each traceback entry of the window module, outermost
    first."""
    import traceback
    return [(nombre, linea) for fichero, linea, nombre, _ in traceback.extract_tb(tb)
            if fichero == FICHERO]


# --------------------------------------------------------------------------
# Test cases

class CasoVentana(unittest.TestCase):
    """Fresh log, knobs, window state and vg for each test; the module's
    namespace and the wx constants are put back afterwards. self.abridor is
    the opening window (label 'abridor'), vg.proyecto the object labelled
    'proyecto', vg.alternativaCopia the alternative labelled 'copia'."""

    maxDiff = None
    longMessage = True

    def setUp(self):
        espacio, constantes = dict(vars(modulo)), dict(vars(wx))

        def restaurar():
            vars(modulo).clear()
            vars(modulo).update(espacio)
            vars(wx).update(constantes)
        self.addCleanup(restaurar)
        self.addCleanup(registro.reiniciar)
        self.reiniciar()

    def reiniciar(self, abridor=None, hacerAbridor=None):
        """A fresh start; the opening window is abridor, or made by
        hacerAbridor(), or a new padre.VentanaPadre()."""
        registro.reiniciar()
        traducirTodo()
        with registro.silencio():
            self.abridor = abridor or (hacerAbridor or padre.VentanaPadre)()
            self.proyecto = registro.nombrar(object(), 'proyecto')
            self.copia = registro.nombrar(
                sys.modules['Quimbra.modelsNuevos'].Alternativa(), 'copia')
            vg.proyecto, vg.alternativaCopia = self.proyecto, self.copia
        registro.nombrar(self.abridor, 'abridor')

    def ventana(self, alternativa=False, *args, **kwargs):
        """A window built in the given mode; the log starts after it."""
        with registro.silencio():
            vg.obraNueva = alternativa
        if not args and 'listadoObjetos' not in kwargs:
            args = (registro.nombrar([], 'listado'),)
        ventana = Dialogo(self.abridor, *args, **kwargs)
        registro.limpiar()
        return ventana

    def poner(self, nombre, valor):
        """Rebind a name of the window module (put back after the test)."""
        setattr(modulo, nombre, valor)


def subproceso(codigo, importar=True):
    """Run codigo (dedented) in a fresh interpreter that has the window's
    paths, with registro, wx, padre and vg imported and an opening window
    `abridor`; with importar, also the window module as `modulo` and its
    class as `Dialogo` (an extension module is initialised only by its
    first import in a process). Returns (returncode, stdout, stderr)."""
    preambulo = textwrap.dedent('''\
        # -*- coding: utf-8 -*-
        import sys
        import registro, wx, padre
        import Quimbra.variablesGlobales as vg
        from Quimbra import idiomaComplemento, otrasFunciones
        registro.reiniciar()
        abridor = padre.VentanaPadre()
        ''')
    if importar:
        preambulo += textwrap.dedent('''\
            from pyx.Quimbra.panelesComunes import ventanaTituloMedidas as modulo
            Dialogo = modulo.DialogCambioNombreProducto
            ''')
    return pyxtest.run_python(preambulo + textwrap.dedent(codigo), RUTAS)
