# -*- coding: utf-8 -*-
"""A failed import leaves nothing behind: importing again fails again the
same way while the cause is there, and once the cause is fixed a second
import in the same process runs the whole initialisation and gives a
complete, working module."""
import ast

from fixture import RECORDING, TestCase, run

ATTEMPT = r'''
def attempt():
    """The outcome of one import of the catalogue."""
    library = sys.modules.get("Quimbra.librerias.miDjangoModel_v124.models")
    if library is not None:
        del library.registro[:]
    try:
        import pyx.Quimbra.tablasCatalogo as tc
    except Exception as exc:
        return ("failed", type(exc).__name__, str(exc),
                "pyx.Quimbra.tablasCatalogo" in sys.modules,
                hasattr(sys.modules.get("pyx.Quimbra"), "tablasCatalogo"))
    from Quimbra.librerias.miDjangoModel_v124 import models as library
    log = library.registro
    classes = sorted(k for k, v in vars(tc).items() if isinstance(v, type) and v.__module__ == tc.__name__)
    manufacturer = tc.Fabricante(nombre=u"F", imagen="x/logo.png")
    tc.Fabricante.objects.respuestas[3] = manufacturer
    pump = tc.BombaDeCalor(fabricante="3", nombreEquipo=u"B", esBdCDomestica="1",
                           esBdCTerciario="0", depositoIntegrado="1")
    pump.id = 8
    return ("imported", len(classes), sum(1 for e in log if e[0] == "_"),
            [e[1] for e in log if e[0] == "ModelMeta"][-1],
            sys.modules["pyx.Quimbra.tablasCatalogo"] is tc, sys.modules["pyx.Quimbra"].tablasCatalogo is tc,
            manufacturer.imagen, unicode(pump), pump.fabricante is manufacturer, pump.esBdCDomestica,
            pump.diccionarioTablaSqlite["id"])
'''

IMPORTED = ("imported", 14, 103, "SolarTermica", True, True, "logo.png", u"B", True, True, 8)


class ReimportTest(TestCase):

    def outcomes(self, code, preamble=None):
        kwargs = {} if preamble is None else {"preamble": preamble}
        status, out, err = run(ATTEMPT + code, **kwargs)
        self.assertEqual(status, 0, err)
        return [ast.literal_eval(line) for line in out.splitlines()]

    def assertFailedTwiceThenImported(self, outcomes, exception, text):
        failure = ("failed", exception, text, False, False)
        self.assertEqual(outcomes[:2], [failure, failure])
        self.assertEqual(outcomes[2][:3], IMPORTED[:3])
        self.assertEqual(outcomes[2], IMPORTED)

    def test_missing_name_of_the_model_library(self):
        outcomes = self.outcomes(r'''
kept = models.BooleanField
del models.BooleanField
print repr(attempt())
print repr(attempt())
models.BooleanField = kept
print repr(attempt())
''')
        self.assertFailedTwiceThenImported(outcomes, "ImportError", "cannot import name BooleanField")

    def test_missing_translation_function(self):
        outcomes = self.outcomes(r'''
import __builtin__
del __builtin__._
print repr(attempt())
print repr(attempt())
models.instalarTraduccion()
print repr(attempt())
''')
        self.assertFailedTwiceThenImported(outcomes, "NameError", "name '_' is not defined")

    def test_field_constructor_failing_half_way(self):
        outcomes = self.outcomes(r'''
kept = models.FloatField
class Refusing(kept):
    def __init__(self, *args, **kwargs):
        if kwargs.get("verbose_name") == u"T[potenciaFrio]":
            raise ValueError("no")
        kept.__init__(self, *args, **kwargs)
models.FloatField = Refusing
print repr(attempt())
print repr(attempt())
models.FloatField = kept
print repr(attempt())
''')
        self.assertFailedTwiceThenImported(outcomes, "ValueError", "no")

    def test_missing_model_library(self):
        outcomes = self.outcomes(r'''
import os, shutil, tempfile
folder = tempfile.mkdtemp()
try:
    shutil.copytree(os.path.join(%r, "Quimbra"), os.path.join(folder, "Quimbra"))
    library = os.path.join(folder, "Quimbra", "librerias", "miDjangoModel_v124")
    os.rename(library, library + "_aparte")
    sys.path.insert(0, folder)
    import __builtin__
    __builtin__._ = lambda text: text
    print repr(attempt())
    print repr(attempt())
    os.rename(library + "_aparte", library)
    from Quimbra.librerias.miDjangoModel_v124 import models
    models.instalarTraduccion()
    print repr(attempt())
finally:
    shutil.rmtree(folder)
''' % RECORDING, preamble="import sys\n")
        self.assertFailedTwiceThenImported(outcomes, "ImportError", "No module named miDjangoModel_v124.models")


if __name__ == "__main__":
    import unittest
    unittest.main()
