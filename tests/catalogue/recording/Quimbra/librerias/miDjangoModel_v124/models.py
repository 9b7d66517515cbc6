# -*- coding: utf-8 -*-
"""Recording model library for the catalogue's tests.

Nothing is stored.  Every call the catalogue makes into the library is
appended, in call order, to the one list ``registro``:

    ('ModelMeta', name, bases)       a class created by the models' metaclass
                                     (Model's own creation is not logged)
    (kind, args, kwargs)             a field constructor call, kind one of
                                     'CharField', 'FloatField',
                                     'BooleanField', 'ForeignKey'; args is the
                                     positional tuple, kwargs a copy of the
                                     keyword dict (values are the objects
                                     passed, not copies)
    ('Manager', args, kwargs)        a Manager() creation
    ('_', texto)                     a call of ``traducir``
    ('Model.__init__', instance, kwargs)
                                     the base initialiser, kwargs being the very
                                     dict it received
    ('Model.diccionarioTablaSqlite', instance, dict)
                                     the base row dictionary, the very dict
                                     returned
    ('Manager.get', model, kwargs)   a lookup on the manager bound to model

Clear the log with ``del registro[:]``.

Knobs:
    traducir(texto)       returns u"T[" + texto + u"]"; install it with
                          ``instalarTraduccion()`` (sets ``__builtin__._``).
    manager.respuestas    dict id -> object returned by manager.get(id=...);
                          each Manager has its own, empty at creation.  An id
                          that is not a key raises ObjetoNoExiste.

Model.__init__ refuses positional arguments (TypeError) and sets each keyword
as an attribute of the instance; ``id`` is None until given.  The base row
dictionary is a copy of the instance's attributes.
"""

import __builtin__

registro = []


class ObjetoNoExiste(LookupError):
    """manager.get found no configured answer."""


def traducir(texto):
    registro.append(('_', texto))
    return u"T[" + texto + u"]"


def instalarTraduccion():
    __builtin__._ = traducir


class _Campo(object):

    def __init__(self, *args, **kwargs):
        registro.append((type(self).__name__, args, dict(kwargs)))
        self.args = args
        self.kwargs = kwargs
        self.max_length = kwargs.get('max_length')
        self.default = kwargs.get('default')
        self.verbose_name = kwargs.get('verbose_name')
        self.related_name = kwargs.get('related_name')


class CharField(_Campo):
    pass


class FloatField(_Campo):
    pass


class BooleanField(_Campo):
    pass


class ForeignKey(_Campo):

    def __init__(self, *args, **kwargs):
        super(ForeignKey, self).__init__(*args, **kwargs)
        self.to = args[0] if args else None


class Manager(object):

    def __init__(self, *args, **kwargs):
        registro.append(('Manager', args, dict(kwargs)))
        self.modelo = None
        self.respuestas = {}

    def get(self, **kwargs):
        registro.append(('Manager.get', self.modelo, kwargs))
        ident = kwargs.get('id')
        if ident not in self.respuestas:
            raise ObjetoNoExiste("no %s with id=%r" % (getattr(self.modelo, '__name__', None), ident))
        return self.respuestas[ident]


class ModelMeta(type):

    def __new__(mcs, name, bases, namespace):
        registro.append(('ModelMeta', name, bases))
        cls = super(ModelMeta, mcs).__new__(mcs, name, bases, namespace)
        for valor in namespace.values():
            if isinstance(valor, Manager):
                valor.modelo = cls
        return cls


class Model(object):
    __metaclass__ = ModelMeta

    id = None

    def __init__(self, *args, **kwargs):
        registro.append(('Model.__init__', self, kwargs))
        if args:
            raise TypeError("Model.__init__ takes keyword arguments only")
        for nombre, valor in kwargs.items():
            setattr(self, nombre, valor)

    @property
    def diccionarioTablaSqlite(self):
        fila = dict(vars(self))
        registro.append(('Model.diccionarioTablaSqlite', self, fila))
        return fila


del registro[:]
