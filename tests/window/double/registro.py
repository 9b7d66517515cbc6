# -*- coding: utf-8 -*-
"""One ordered log shared by every recording double of the window tests.

The `wx` double (wx.py beside this file), the recording host modules under
anfitrion/Quimbra/ and the opening-window double (padre.py) all append to the
single list `registro`, so that a test sees the exact interleaving of toolkit
calls and host calls.

Entry format
------------
Each entry is an `Entrada`: a 4-tuple

    (quien, metodo, args, kwargs)

- quien:  the label of the object called. Objects are labelled on their first
          call as "<ClassName>#<n>", n counting from 1 per class name since the
          last reiniciar() (e.g. "MiTextCtrl#1", "Bitmap#3"); module-level
          functions use the module's short name ("wx", "otrasFunciones",
          "idiomaComplemento", "funcionesRelacionZelqua"); a test may give an
          object its own label with nombrar().
- metodo: the method or function name as called ("__init__", "Bind",
          "MessageBox"...). Attribute traffic on recording objects is logged
          as "getattr" with args (name,) and "setattr" with args (name, value).
- args:   the positional arguments as passed (without self), a tuple.
- kwargs: the keyword arguments as passed, a dict (Python 2 keeps no order).
          Arguments are kept by reference: a list logged and changed later
          shows its later content.

An entry compares equal to the plain tuple of its four fields; the object
called is also available as `entrada.objeto` (None for module functions).

Knobs
-----
- alLlamar(metodo, accion, quien=None, veces=None): run accion(entrada) right
  after a matching call is logged and before the call does anything else.
- fallar(metodo, excepcion=None, quien=None, veces=None): make a matching call
  raise (it is logged first).
- silencio(): a context in which nothing is logged and no knob fires.

AtributosRegistrados is a base class for recording objects whose attribute
writes are to be logged.

`quien` in the knobs matches an entry whose label equals it, whose class part
(the label before "#") equals it, or whose object is it.
"""

import contextlib

__all__ = ['registro', 'Entrada', 'anotar', 'etiqueta', 'etiquetaDada', 'nombrar', 'limpiar',
           'reiniciar', 'alLlamar', 'fallar', 'silencio', 'llamadas',
           'resumen', 'alReiniciar', 'AtributosRegistrados']

registro = []

_etiquetas = {}      # id(objeto) -> (objeto, etiqueta); keeps objects alive
_contadores = {}     # class name -> last number given
_ganchos = []        # [metodo, quien, accion, veces restantes]
_alReiniciar = []    # callables run by reiniciar()
_silencio = [0]


class Entrada(tuple):
    """A log entry: (quien, metodo, args, kwargs), with .objeto besides."""

    def __new__(cls, quien, metodo, args, kwargs, objeto=None):
        entrada = tuple.__new__(cls, (quien, metodo, args, kwargs))
        entrada.objeto = objeto
        return entrada

    quien = property(lambda self: self[0])
    metodo = property(lambda self: self[1])
    args = property(lambda self: self[2])
    kwargs = property(lambda self: self[3])

    def __repr__(self):
        return 'Entrada(%r, %r, %r, %r)' % tuple(self)


def etiqueta(objeto):
    """The label of objeto; a string stands for itself."""
    if isinstance(objeto, basestring):
        return objeto
    par = _etiquetas.get(id(objeto))
    if par is not None and par[0] is objeto:
        return par[1]
    clase = type(objeto).__name__
    numero = _contadores.get(clase, 0) + 1
    _contadores[clase] = numero
    texto = '%s#%d' % (clase, numero)
    _etiquetas[id(objeto)] = (objeto, texto)
    return texto


def etiquetaDada(objeto):
    """The label objeto already has, or None (gives none)."""
    par = _etiquetas.get(id(objeto))
    return par[1] if par is not None and par[0] is objeto else None


def nombrar(objeto, texto):
    """Give objeto the label texto from now on."""
    _etiquetas[id(objeto)] = (objeto, texto)
    return objeto


def _coincide(quien, entrada):
    if quien is None:
        return True
    if isinstance(quien, basestring):
        return entrada.quien == quien or entrada.quien.split('#')[0] == quien
    return entrada.objeto is quien


def anotar(objeto, metodo, args=(), kwargs=None):
    """Log one call and run the knobs that match it.

    objeto is the object called, or a string for a module function.
    Returns the entry, or None inside silencio().
    """
    if _silencio[0]:
        return None
    quien = etiqueta(objeto)
    entrada = Entrada(quien, metodo, tuple(args), dict(kwargs or {}),
                      None if isinstance(objeto, basestring) else objeto)
    registro.append(entrada)
    for gancho in list(_ganchos):
        gMetodo, gQuien, accion, veces = gancho
        if gMetodo != metodo or not _coincide(gQuien, entrada):
            continue
        if veces is not None:
            if veces <= 0:
                continue
            gancho[3] = veces - 1
        accion(entrada)
    return entrada


def alLlamar(metodo, accion, quien=None, veces=None):
    """Run accion(entrada) on each matching call (at most veces times)."""
    _ganchos.append([metodo, quien, accion, veces])


def fallar(metodo, excepcion=None, quien=None, veces=None):
    """Make each matching call raise excepcion (at most veces times)."""
    def lanzar(entrada):
        if excepcion is None:
            raise RuntimeError('forced failure of %s.%s'
                               % (entrada.quien, entrada.metodo))
        raise excepcion
    alLlamar(metodo, lanzar, quien, veces)


@contextlib.contextmanager
def silencio():
    _silencio[0] += 1
    try:
        yield
    finally:
        _silencio[0] -= 1


def limpiar():
    """Empty the log; labels, knobs and object state stay."""
    del registro[:]


def alReiniciar(funcion):
    """Have reiniciar() also call funcion (used by the doubles' own state)."""
    _alReiniciar.append(funcion)
    return funcion


def reiniciar():
    """Empty the log and forget labels, counters and knobs."""
    del registro[:]
    _etiquetas.clear()
    _contadores.clear()
    del _ganchos[:]
    _silencio[0] = 0
    for funcion in _alReiniciar:
        funcion()


def llamadas(quien=None, metodo=None):
    """The entries for quien (matched as in the knobs) and/or metodo."""
    return [e for e in registro
            if (metodo is None or e.metodo == metodo) and _coincide(quien, e)]


def resumen(desde=0):
    """(quien, metodo) of each entry from index desde, for order checks."""
    return [(e.quien, e.metodo) for e in registro[desde:]]


class AtributosRegistrados(object):
    """Base of recording objects whose public attribute writes are logged
    as "setattr" entries (names starting with "_" are not)."""

    def __repr__(self):
        return '<%s>' % (etiquetaDada(self) or type(self).__name__)

    def __setattr__(self, nombre, valor):
        if not nombre.startswith('_'):
            anotar(self, 'setattr', (nombre, valor))
        object.__setattr__(self, nombre, valor)
