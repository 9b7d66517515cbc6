# -*- coding: utf-8 -*-
"""Declarative models stored in SQLite tables.

A model is a class deriving from ``Model`` with fields as class attributes::

    class Fabricante(Model):
        objects = Manager()
        nombre = CharField(max_length=500, default='', verbose_name=u'Nombre')
        rutaBaseDatos = u'/path/catalogo.sqlite'
        nombreTabla = u'quimbra_Fabricante'

Fields
    A model's fields are the field objects found in its own class body and in
    every class of its MRO, plain mixins (classes that are not models) and
    parent models alike.  A name is resolved as attribute lookup resolves it,
    so a subclass can override or hide (by binding a non-field) a field.  The
    field order, which is also the column order, is the order in which the
    field objects were created.  ``Model.campos()`` gives it.

Instances
    ``Model(**valores)`` takes keyword arguments only: ``id`` and the field
    names; any other keyword is refused with TypeError.  A missing field gets
    its declared default (a list or dict default is copied for each
    instance); a field declared without a default gets None.  Values are
    stored as given, without conversion.  ``id`` is None until the instance is
    saved.

Rows
    ``instancia.diccionarioTablaSqlite`` is a new dict {column: value} with
    "id" and one entry per field; a ForeignKey column holds the referenced
    instance's id (or the value itself when it is not a model instance).
    ``save()`` reads that property, so a subclass may override it.  Column
    types: CharField TEXT, FloatField REAL, BooleanField INTEGER (1/0),
    ForeignKey INTEGER (the id).  A CharField whose default is a list (or a
    value that is a list, tuple or dict) is stored as JSON text.

Loading
    ``Manager.get`` and ``Manager.all`` create instances by calling the model
    class with a whole row as keyword arguments, in the form the data layer
    hands rows over: ``id`` int; a ForeignKey as the id in text (u"12");
    a BooleanField as the text "1" or "0"; a FloatField as float; a CharField
    with a list default decoded from JSON into a list; other texts as unicode.
    NULL columns arrive as None.  The model's own initialiser converts what
    it needs (a manufacturer id into the manufacturer, "1" into True).

Tables
    Each model is stored in the database file ``rutaBaseDatos`` (created with
    its folder when missing), table ``nombreTabla``.  The table is created on
    first use (or by ``crearTabla()``); columns of fields added later are
    added to an existing table.  ``Model`` itself has no table.
"""

import contextlib
import copy
import itertools
import json
import os
import sqlite3
from collections import OrderedDict


class ErrorModelo(Exception):
    """A model used in a way the library cannot honour (no table, unknown
    column, several rows where one was asked for...)."""


class ObjetoNoExiste(ErrorModelo, LookupError):
    """``Manager.get`` found no row matching its arguments."""


# ---------------------------------------------------------------------------
# Fields

_creacion = itertools.count()


class Campo(object):
    """Base of the field kinds.  Keeps its constructor arguments as
    attributes (``max_length``, ``default``, ``verbose_name``,
    ``related_name``; those a kind does not take are None)."""

    tipoSqlite = u"TEXT"

    def __init__(self, verbose_name=None, default=None):
        self.verbose_name = verbose_name
        self.default = default
        self.max_length = None
        self.related_name = None
        self.orden = next(_creacion)

    def valorPorDefecto(self):
        if isinstance(self.default, (list, dict)):
            return copy.deepcopy(self.default)
        return self.default

    def valorFila(self, valor):
        """Value of the attribute as it goes into the row dictionary."""
        return valor

    def aColumna(self, valor):
        """Row-dictionary value -> value bound in SQL."""
        return valor

    def desdeColumna(self, valor):
        """Stored value -> keyword value given to the model's initialiser."""
        return valor

    def __repr__(self):
        return "<%s %r>" % (type(self).__name__, self.verbose_name)


def _texto(valor):
    if isinstance(valor, unicode):
        return valor
    if isinstance(valor, str):
        try:
            return valor.decode("utf-8")
        except UnicodeDecodeError:
            return valor.decode("latin-1")
    return unicode(valor)


class CharField(Campo):

    def __init__(self, max_length=None, verbose_name=None, default=None):
        super(CharField, self).__init__(verbose_name=verbose_name, default=default)
        self.max_length = max_length

    @property
    def esLista(self):
        return isinstance(self.default, (list, tuple))

    def aColumna(self, valor):
        if valor is None:
            return None
        if isinstance(valor, (list, tuple, dict)):
            return _texto(json.dumps(valor))
        return _texto(valor)

    def desdeColumna(self, valor):
        if valor is None:
            return None
        valor = _texto(valor)
        if self.esLista:
            try:
                lista = json.loads(valor)
            except ValueError:
                return valor
            if isinstance(lista, list):
                return lista
        return valor


class FloatField(Campo):
    tipoSqlite = u"REAL"

    def aColumna(self, valor):
        if valor is None:
            return None
        try:
            return float(valor)
        except (TypeError, ValueError):
            raise ValueError("FloatField: %r is not a number" % (valor,))

    def desdeColumna(self, valor):
        if isinstance(valor, (int, long)):
            return float(valor)
        return valor


class BooleanField(Campo):
    tipoSqlite = u"INTEGER"

    def aColumna(self, valor):
        if valor is None:
            return None
        if isinstance(valor, basestring):
            return 1 if valor == "1" else 0
        return 1 if valor else 0

    def desdeColumna(self, valor):
        if valor is None:
            return None
        return "1" if (valor == 1 or valor == "1") else "0"


class ForeignKey(Campo):
    tipoSqlite = u"INTEGER"

    def __init__(self, to, verbose_name=None, related_name=None, default=None):
        super(ForeignKey, self).__init__(verbose_name=verbose_name, default=default)
        self.to = to
        self.related_name = related_name

    def valorFila(self, valor):
        if isinstance(valor, Model):
            return valor.id
        return valor

    def aColumna(self, valor):
        if valor is None:
            return None
        if isinstance(valor, Model):
            valor = valor.id
        try:
            return int(valor)
        except (TypeError, ValueError):
            raise ValueError("ForeignKey: %r is not an id" % (valor,))

    def desdeColumna(self, valor):
        if valor is None:
            return None
        return _texto(valor)


# ---------------------------------------------------------------------------
# SQL helpers

def _mensaje(plantilla, *partes):
    """Exception text as UTF-8 bytes, so that str() of the exception never
    fails on a non-ASCII table name."""
    return (plantilla % tuple(_texto(p) for p in partes)).encode("utf-8")


def _nombreSql(nombre):
    return u'"%s"' % _texto(nombre).replace(u'"', u'""')


def _atributoTabla(modelo, atributo):
    valor = getattr(modelo, atributo, None)
    if valor is None:
        raise ErrorModelo("%s has no %s: it is not stored in a table"
                          % (modelo.__name__, atributo))
    return valor


@contextlib.contextmanager
def _conexion(modelo):
    """Connection to the model's database with its table ready; commits on
    success, rolls back on error, always closes."""
    ruta = _atributoTabla(modelo, "rutaBaseDatos")
    _atributoTabla(modelo, "nombreTabla")
    carpeta = os.path.dirname(ruta)
    if carpeta and not os.path.isdir(carpeta):
        os.makedirs(carpeta)
    con = sqlite3.connect(ruta)
    try:
        with con:
            _asegurarTabla(con, modelo)
            yield con
    finally:
        con.close()


def _asegurarTabla(con, modelo):
    tabla = _nombreSql(modelo.nombreTabla)
    columnas = [u'"id" INTEGER PRIMARY KEY AUTOINCREMENT']
    columnas += [u"%s %s" % (_nombreSql(n), c.tipoSqlite)
                 for n, c in modelo._campos.items()]
    con.execute(u"CREATE TABLE IF NOT EXISTS %s (%s)" % (tabla, u", ".join(columnas)))
    existentes = set(fila[1] for fila in con.execute(u"PRAGMA table_info(%s)" % tabla))
    for nombre, campo in modelo._campos.items():
        if nombre not in existentes:
            con.execute(u"ALTER TABLE %s ADD COLUMN %s %s"
                        % (tabla, _nombreSql(nombre), campo.tipoSqlite))


# ---------------------------------------------------------------------------
# Manager

class Manager(object):
    """Queries of one model; created without arguments in the model's class
    body and bound to the model when the class is created."""

    def __init__(self):
        self.modelo = None

    def _modelo(self):
        if self.modelo is None:
            raise ErrorModelo("Manager not bound to a model")
        return self.modelo

    def _filas(self, filtros):
        modelo = self._modelo()
        campos = modelo._campos
        condiciones, valores = [], []
        for nombre, valor in sorted(filtros.items()):
            if nombre == "id":
                condiciones.append(u'"id" = ?')
                valores.append(valor)
            elif nombre in campos:
                valor = campos[nombre].aColumna(campos[nombre].valorFila(valor))
                if valor is None:
                    condiciones.append(u"%s IS NULL" % _nombreSql(nombre))
                else:
                    condiciones.append(u"%s = ?" % _nombreSql(nombre))
                    valores.append(valor)
            else:
                raise TypeError("%s has no field %r" % (modelo.__name__, nombre))
        nombres = ["id"] + list(campos)
        sql = u"SELECT %s FROM %s" % (u", ".join(_nombreSql(n) for n in nombres),
                                      _nombreSql(modelo.nombreTabla))
        if condiciones:
            sql += u" WHERE " + u" AND ".join(condiciones)
        sql += u' ORDER BY "id"'
        with _conexion(modelo) as con:
            return [dict(zip(nombres, fila)) for fila in con.execute(sql, valores)]

    def _instancia(self, fila):
        campos = self.modelo._campos
        valores = dict((nombre, campos[nombre].desdeColumna(valor))
                       for nombre, valor in fila.items() if nombre != "id")
        valores["id"] = int(fila["id"])
        return self.modelo(**valores)

    def get(self, **filtros):
        """The one stored instance matching the keywords (usually ``id``)."""
        filas = self._filas(filtros)
        if not filas:
            condicion = ", ".join("%s=%r" % par for par in sorted(filtros.items()))
            raise ObjetoNoExiste(_mensaje(u"No %s with %s in table %s", self.modelo.__name__,
                                          condicion, self.modelo.nombreTabla))
        if len(filas) > 1:
            raise ErrorModelo("%d %s rows match %r" % (len(filas), self.modelo.__name__, filtros))
        return self._instancia(filas[0])

    def all(self):
        """Every stored instance, in id order."""
        return [self._instancia(fila) for fila in self._filas({})]


# ---------------------------------------------------------------------------
# Model

def _reunirCampos(cls):
    nombres = set()
    for clase in cls.__mro__:
        nombres.update(n for n, v in vars(clase).items() if isinstance(v, Campo))
    campos = []
    for nombre in nombres:
        campo = getattr(cls, nombre)
        if isinstance(campo, Campo):
            campos.append((campo.orden, nombre, campo))
    campos.sort()
    return OrderedDict((nombre, campo) for _, nombre, campo in campos)


class MetaModelo(type):
    """Type of every model: gathers the fields and binds the managers."""

    def __new__(mcs, nombre, bases, atributos):
        cls = super(MetaModelo, mcs).__new__(mcs, nombre, bases, atributos)
        if not any(isinstance(base, MetaModelo) for base in bases):
            cls._campos = OrderedDict()      # Model itself
            return cls
        cls._campos = _reunirCampos(cls)
        if "id" in cls._campos:
            raise ErrorModelo("%s: 'id' is reserved and cannot be a field" % nombre)
        for valor in atributos.values():
            if isinstance(valor, Manager):
                valor.modelo = cls
        return cls


class Model(object):
    __metaclass__ = MetaModelo

    id = None

    def __init__(self, **valores):
        cls = type(self)
        campos = cls._campos
        desconocidos = sorted(n for n in valores if n != "id" and n not in campos)
        if desconocidos:
            raise TypeError("%s() got an unexpected keyword argument '%s'"
                            % (cls.__name__, desconocidos[0]))
        self.id = valores.get("id")
        for nombre, campo in campos.items():
            if nombre in valores:
                setattr(self, nombre, valores[nombre])
            else:
                setattr(self, nombre, campo.valorPorDefecto())

    @classmethod
    def campos(cls):
        """[(name, field)] in declaration order."""
        return list(cls._campos.items())

    @classmethod
    def crearTabla(cls):
        with _conexion(cls):
            pass

    @property
    def diccionarioTablaSqlite(self):
        fila = {"id": self.id}
        for nombre, campo in type(self)._campos.items():
            fila[nombre] = campo.valorFila(getattr(self, nombre))
        return fila

    def save(self):
        """Inserts the instance (assigning ``id``) or updates its row."""
        cls = type(self)
        fila = dict(self.diccionarioTablaSqlite)
        ident = fila.pop("id", self.id)
        ajenas = sorted(n for n in fila if n not in cls._campos)
        if ajenas:
            raise ErrorModelo("%s: row has unknown columns %s" % (cls.__name__, ajenas))
        nombres = [n for n in cls._campos if n in fila]
        valores = [cls._campos[n].aColumna(fila[n]) for n in nombres]
        with _conexion(cls) as con:
            tabla = _nombreSql(cls.nombreTabla)
            if ident is not None and nombres:
                cursor = con.execute(
                    u'UPDATE %s SET %s WHERE "id" = ?'
                    % (tabla, u", ".join(u"%s = ?" % _nombreSql(n) for n in nombres)),
                    valores + [ident])
                if cursor.rowcount:
                    self.id = ident
                    return
            if ident is not None:
                nombres, valores = ["id"] + nombres, [ident] + valores
            if nombres:
                # OR IGNORE: an id already stored with no field columns to update
                sql = u"INSERT OR IGNORE INTO %s (%s) VALUES (%s)" % (
                    tabla, u", ".join(_nombreSql(n) for n in nombres),
                    u", ".join([u"?"] * len(nombres)))
            else:
                sql = u"INSERT INTO %s DEFAULT VALUES" % tabla
            cursor = con.execute(sql, valores)
            self.id = ident if ident is not None else cursor.lastrowid

    def __repr__(self):
        return "<%s id=%r>" % (type(self).__name__, self.id)
