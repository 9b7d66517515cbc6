# -*- coding: utf-8 -*-
"""No reference is lost or kept by any path of the catalogue's methods:
after thousands of calls of each path, success and failure alike, the
reference counts of everything involved are what they were, and the
collector tracks no more objects than before."""
import gc
import sys

from fixture import TestCase, models, tc

ROUNDS = 2000


class Faulty(object):
    def keys(self):
        return ["version"]

    def __getitem__(self, key):
        raise KeyError(key)


class Mapping(object):
    def __init__(self, **items):
        self.items = items

    def keys(self):
        return list(self.items)

    def __getitem__(self, key):
        return self.items[key]


class Manufacturer(object):
    id = 7


MANUFACTURER = Manufacturer()
TEXT_ID = str(12)                  # a text made at run time, not a shared constant
NAME = u"".join([u"Equipo ", u"ñ"])
PRICE = float("3.25")
SERIES = [0.5] * 6
IMAGE = "/".join(["dir", "logo.png"])
VERSION = float("2.5")
ARGS = {"version": VERSION}
MAPPING = Mapping(version=VERSION)
FLAGS = {"esBdCDomestica": "1", "esBdCTerciario": u"0", "depositoIntegrado": True}
NAMES = ["fabricante", "id", "objects", "get", "imagen", "esBdCDomestica", "esBdCTerciario",
         "depositoIntegrado", "controlByPass", "__init__", "diccionarioTablaSqlite", "nombre",
         "nombreEquipo", "1", "Fabricante", "os", "path", "basename", "args", "self"]


def classes():
    return [v for v in vars(tc).values() if isinstance(v, type) and v.__module__ == tc.__name__]


def watched():
    """Everything whose reference count a path could disturb."""
    shared = vars(tc.VersionActual)["__init__"].__defaults__[0]
    values = [MANUFACTURER, TEXT_ID, NAME, PRICE, SERIES, IMAGE, VERSION, ARGS, MAPPING, FLAGS, shared,
              vars(tc), tc.os, models.Model, models.Manager, True, False]
    return classes() + values + list(FLAGS.values()) + [intern(n) for n in NAMES]


def expecting(exception, function, *args, **kwargs):
    def call():
        try:
            function(*args, **kwargs)
        except exception:
            pass
        else:
            raise AssertionError("%r did not raise %s" % (function, exception.__name__))
    return call


def without(name, call):
    """call with the module-level name removed for its duration."""
    def run():
        kept = vars(tc).pop(name)
        try:
            call()
        finally:
            setattr(tc, name, kept)
    return run


def equipment(name, **kwargs):
    if name in ("BombaDeCalor", "Aerotermia", "AerotermiaACS"):
        kwargs.update(FLAGS)
    elif name == "Ventilacion":
        kwargs["controlByPass"] = FLAGS["esBdCDomestica"]
    return getattr(tc, name), kwargs


EQUIPMENT = ["CalderaGasNatural", "CalderaBiomasa", "CalderaGasoil", "BombaDeCalor", "Aerotermia",
             "AerotermiaACS", "Ventilacion", "SistemaHibrido", "SolarTermica"]


def paths():
    """(label, call) of every path worth counting."""
    listed = []
    for name in EQUIPMENT:
        cls, full = equipment(name, fabricante=TEXT_ID, nombreEquipo=NAME, precio=PRICE, listadoCOP=SERIES)
        listed += [
            (name + " resolved", lambda cls=cls, full=full: cls(**full)),
            (name + " no keywords", cls),
            (name + " false manufacturer", lambda cls=cls, full=full: cls(**dict(full, fabricante=0))),
            (name + " bad id", expecting(ValueError, cls, **dict(full, fabricante="zz"))),
            (name + " unknown id", expecting(LookupError, cls, **dict(full, fabricante="99"))),
            (name + " positional", expecting(TypeError, cls, NAME, **full)),
            (name + " self twice", expecting(TypeError, cls, self=NAME)),
            (name + " no Fabricante", without("Fabricante", expecting(NameError, cls, **full))),
            (name + " no own class", without(name, expecting(NameError, cls, **full))),
        ]
        instance = cls()
        instance.nombreEquipo = NAME
        instance.fabricante = MANUFACTURER
        broken = cls()
        broken.nombreEquipo = ()
        broken.fabricante = None
        listed += [
            (name + " display", instance.__unicode__),
            (name + " display fails", expecting(TypeError, broken.__unicode__)),
            (name + " row", lambda instance=instance: instance.diccionarioTablaSqlite),
            (name + " row fails", expecting(AttributeError, getattr, broken, "diccionarioTablaSqlite")),
        ]
    listed += [
        ("heat pump missing flag", expecting(KeyError, tc.Aerotermia, fabricante=TEXT_ID, esBdCDomestica="1")),
        ("ventilation missing flag", expecting(KeyError, tc.Ventilacion, fabricante=TEXT_ID)),
        ("manufacturer image", lambda: tc.Fabricante(nombre=NAME, imagen=IMAGE)),
        ("manufacturer image fails", expecting(AttributeError, tc.Fabricante, imagen=PRICE)),
        ("manufacturer without os", without("os", expecting(NameError, tc.Fabricante, imagen=IMAGE))),
        ("manufacturer display", tc.Fabricante(nombre=NAME).__unicode__),
        ("manufacturer row", lambda: tc.Fabricante(nombre=NAME).diccionarioTablaSqlite),
        ("version default", tc.VersionActual),
        ("version keywords", lambda: tc.VersionActual(version=VERSION)),
        ("version dict", lambda: tc.VersionActual(ARGS, descripcion=NAME)),
        ("version keyword dict", lambda: tc.VersionActual(args=ARGS)),
        ("version mapping", lambda: tc.VersionActual(MAPPING)),
        ("version mapping fails", expecting(KeyError, tc.VersionActual, Faulty())),
        ("version too many", expecting(TypeError, tc.VersionActual, ARGS, NAME)),
        ("version args twice", expecting(TypeError, tc.VersionActual, ARGS, args=ARGS)),
    ]
    return listed


class ReferenceCountTest(TestCase):

    def setUp(self):
        answers = tc.Fabricante.objects.respuestas
        self.addCleanup(answers.pop, 12, None)
        answers[12] = MANUFACTURER
        self.addCleanup(models.registro.__delslice__, 0, sys.maxint)

    def test_every_path_leaves_reference_counts_and_tracked_objects_as_they_were(self):
        objects = watched()
        for label, call in paths():
            for _ in range(3):          # whatever is made once, on first use
                call()
            del models.registro[:]
            sys.exc_clear()
            gc.collect()
            counts = [sys.getrefcount(o) for o in objects]
            tracked = len(gc.get_objects())
            for _ in range(ROUNDS):
                call()
                del models.registro[:]
            sys.exc_clear()
            gc.collect()
            grown = len(gc.get_objects()) - tracked
            now = [sys.getrefcount(o) for o in objects]
            changed = [(repr(objects[i])[:60], counts[i], now[i]) for i in range(len(objects)) if now[i] != counts[i]]
            self.assertEqual(changed, [], label)
            self.assertLess(grown, 10, "%s: %d more tracked objects" % (label, grown))

    def test_callers_values_are_not_kept_by_the_calls(self):
        # A value passed once is freed when the instance goes.
        for name in EQUIPMENT:
            cls, full = equipment(name, fabricante=TEXT_ID, modelo=object())
            value = full["modelo"]
            before = sys.getrefcount(value)
            cls(**full)
            del models.registro[:]
            self.assertEqual(sys.getrefcount(value), before, name)


if __name__ == "__main__":
    import unittest
    unittest.main()
