# -*- coding: utf-8 -*-
"""Objects that misbehave where the catalogue tests, converts, compares or
formats them: each call must fail with the exception the same Python
operation raises, never crash, and never reach the library's initialiser.
Each case runs in an interpreter of its own."""
import ast

from fixture import TestCase, run

ODD = r'''
import os
import pyx.Quimbra.tablasCatalogo as tc

class Boom(Exception):
    pass

class Raising(object):
    """Every special method named in `fails` raises Boom(its name)."""
    def __init__(self, *fails, **results):
        self.fails, self.results = fails, results
    def answer(self, name, default):
        if name in self.fails:
            raise Boom(name)
        return self.results.get(name, default)
    def __nonzero__(self): return self.answer("__nonzero__", True)
    def __int__(self): return self.answer("__int__", 5)
    def __eq__(self, other): return self.answer("__eq__", False)
    def __ne__(self, other): return self.answer("__ne__", True)
    def __len__(self): return self.answer("__len__", 1)
    def keys(self): return self.answer("keys", ["version"])
    def __getitem__(self, key): return self.answer("__getitem__", 1.0)
    def __unicode__(self): return self.answer("__unicode__", u"raro")
    def rfind(self, *args): return self.answer("rfind", -1)

class RaisingId(object):
    @property
    def id(self):
        raise Boom("id")

def row_with(manufacturer):
    instance = tc.CalderaBiomasa()
    instance.fabricante = manufacturer
    return instance.diccionarioTablaSqlite

FLAGS = {"esBdCDomestica": "1", "esBdCTerciario": "0", "depositoIntegrado": "1"}
tc.Fabricante.objects.respuestas[5] = "cinco"

def outcome(call):
    del models.registro[:]
    try:
        call()
    except Exception as exc:
        return (type(exc).__name__, exc.args, [e[0] for e in models.registro])
    return (None, (), [e[0] for e in models.registro])

print repr(outcome(lambda: %s))
print repr(outcome(lambda: %s))
'''

# initialisers given odd values: the call, the Python operation it comes
# down to
INITIALISERS = [
    ("tc.CalderaGasoil(fabricante=Raising('__nonzero__'))", "bool(Raising('__nonzero__'))"),
    ("tc.CalderaGasoil(fabricante=Raising(__nonzero__='yes'))", "bool(Raising(__nonzero__='yes'))"),
    ("tc.SolarTermica(fabricante=Raising('__int__'))", "int(Raising('__int__'))"),
    ("tc.SolarTermica(fabricante=Raising(__int__='5'))", "int(Raising(__int__='5'))"),
    ("tc.BombaDeCalor(**dict(FLAGS, fabricante='5', esBdCTerciario=Raising('__eq__')))",
     "Raising('__eq__') == '1'"),
    ("tc.Aerotermia(**dict(FLAGS, depositoIntegrado=Raising(__eq__=Raising('__nonzero__'))))",
     "bool(Raising(__eq__=Raising('__nonzero__')) == '1')"),
    ("tc.Ventilacion(controlByPass=Raising('__eq__'))", "Raising('__eq__') == '1'"),
    ("tc.Ventilacion(controlByPass=Raising(__eq__=Raising('__nonzero__')))",
     "bool(Raising(__eq__=Raising('__nonzero__')) == '1')"),
    ("tc.VersionActual(Raising('keys'))", "dict(Raising('keys'))"),
    ("tc.VersionActual(args=Raising('__getitem__'))", "dict(Raising('__getitem__'))"),
    ("tc.VersionActual(Raising('__nonzero__'))", "bool(Raising('__nonzero__'))"),
    ("tc.VersionActual(Raising(keys=5))", "dict(Raising(keys=5))"),
    ("tc.Fabricante(imagen=Raising('rfind'))", "os.path.basename(Raising('rfind'))"),
]

# the display text and the row dictionary of instances holding odd values
READERS = [
    ("unicode(tc.Fabricante(nombre=Raising('__unicode__')))", "u'%s' % Raising('__unicode__')"),
    ("unicode(tc.Fabricante(nombre=Raising(__unicode__=5)))", "u'%s' % Raising(__unicode__=5)"),
    ("row_with(RaisingId())", "RaisingId().id"),
]

WORKING = [
    # calls that must succeed, and what the library's initialiser then got
    ("tc.SolarTermica(fabricante=Raising(__int__=5L))", ["Manager.get", "Model.__init__"]),
    ("tc.CalderaGasNatural(fabricante=Raising(__nonzero__=False))", ["Model.__init__"]),
    ("tc.BombaDeCalor(**dict(FLAGS, esBdCDomestica=Raising(__eq__=1)))", ["Model.__init__"]),
    ("tc.Fabricante(**{u'imagen': u'a/b.png', u'nombre': u'\\xf1'})", ["Model.__init__"]),
]


class OddObjectTest(TestCase):

    def outcomes(self, call, reference):
        status, out, err = run(ODD % (call, reference))
        self.assertEqual(status, 0, "%s: exit %d\n%s" % (call, status, err))
        return [ast.literal_eval(line) for line in out.splitlines()]

    def test_odd_values_fail_as_python_does(self):
        for call, reference in INITIALISERS + READERS:
            got, expected = self.outcomes(call, reference)
            self.assertIsNotNone(expected[0], reference)
            self.assertEqual(got[:2], expected[:2], call)
            if (call, reference) in INITIALISERS:
                self.assertNotIn("Model.__init__", got[2], call)

    def test_odd_objects_that_are_still_acceptable(self):
        for call, log in WORKING:
            got, _reference = self.outcomes(call, "None")
            self.assertEqual(got, (None, (), log), call)


if __name__ == "__main__":
    import unittest
    unittest.main()
