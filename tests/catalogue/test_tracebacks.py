# -*- coding: utf-8 -*-
"""What a traceback shows of the catalogue's code: an entry named after the
method (or the module initialisation), in the source file
"Quimbra\\tablasCatalogo", at the line of our source that failed, placed
between the caller's frame and the frames of what failed inside."""
import sys
import traceback

from fixture import MODULE, PREAMBLE, TestCase, models, run, source_lines, tc

FILE = "Quimbra\\tablasCatalogo"
HERE = __file__.rstrip("c")


class Faulty(object):
    """A mapping whose items cannot be read."""

    def keys(self):
        return ["version"]

    def __getitem__(self, key):
        raise KeyError(key)


def entries(function, *args, **kwargs):
    """(exception, [(file, line, function)]) of a failing call, from the
    frame that called into the catalogue on (the last frame when the
    catalogue added none)."""
    try:
        function(*args, **kwargs)
    except Exception as exc:
        listed = [entry[:3] for entry in traceback.extract_tb(sys.exc_info()[2])]
        ours = [i for i, entry in enumerate(listed) if entry[0] == FILE]
        caller = ours[0] - 1 if ours else len(listed) - 1
        assert all(entry[0].rstrip("c") == HERE for entry in listed[:caller + 1]), listed
        return exc, listed[caller:]
    raise AssertionError("%r did not fail" % (function,))


class MethodEntryTest(TestCase):

    def setUp(self):
        del models.registro[:]

    def assertOurEntry(self, listed, qualified, source, needles):
        """listed[1] is our entry, right after the caller's frame, at a line
        of `source` that contains `needle`."""
        name = MODULE + "." + qualified
        self.assertEqual(listed[1][0::2], (FILE, name), listed)
        self.assertIn(listed[1][1], source_lines(source, *needles), (qualified, needles))
        self.assertEqual([e for e in listed if e[0] == FILE], [listed[1]])

    def test_failures_inside_the_methods(self):
        pump = {"esBdCDomestica": "1", "esBdCTerciario": "1", "depositoIntegrado": "1"}
        cases = [
            # call, exception, method, the code that failed, where the callee's frames come from
            (lambda: tc.BombaDeCalor(fabricante="zz", **pump), ValueError,
             "BombaDeCalor.__init__", "PyInt_Type", None),
            (lambda: tc.BombaDeCalor(fabricante="404", **pump), models.ObjetoNoExiste,
             "BombaDeCalor.__init__", ("call_method", "get"), "get"),
            (lambda: tc.AerotermiaACS(fabricante=0), KeyError,
             "AerotermiaACS.__init__", "item(kwargs", None),
            (lambda: tc.Ventilacion(fabricante=0), KeyError,
             "Ventilacion.__init__", "item(kwargs", None),
            (lambda: tc.SolarTermica(fabricante="zz"), ValueError,
             "SolarTermica.__init__", "PyInt_Type", None),
            (lambda: tc.Fabricante(imagen=5), AttributeError,
             "Fabricante.__init__", "basename", "basename"),
            (lambda: tc.VersionActual(Faulty()), KeyError,
             "VersionActual.__init__", "PyDict_Type", "__getitem__"),
            (lambda: tc.CalderaGasoil().diccionarioTablaSqlite, AttributeError,
             "CalderaGasoil.diccionarioTablaSqlite", ("set_item(diccionario", "fabricante"), None),
            (lambda: unicode(tc.Fabricante(nombre=())), TypeError,
             "Fabricante.__unicode__", "remainder", None),
        ]
        for call, exception, method, needles, callee in cases:
            error, listed = entries(call)
            self.assertIs(type(error), exception, (method, listed))
            self.assertOurEntry(listed, method, "methods.cpp", needles if isinstance(needles, tuple) else (needles,))
            self.assertEqual([e[2] for e in listed[2:]][:1], [callee] if callee else [], (method, listed))

    def test_argument_errors_add_no_entry(self):
        # As with a Python function, the call fails before the body starts.
        for call in (lambda: tc.BombaDeCalor(1), lambda: tc.VersionActual(1, 2),
                     lambda: tc.Fabricante(self=1)):
            error, listed = entries(call)
            self.assertIs(type(error), TypeError)
            self.assertEqual(len(listed), 1, listed)

    def test_the_entry_as_printed(self):
        try:
            tc.CalderaGasNatural(fabricante="zz")
        except ValueError:
            printed = traceback.format_exc()
        line = source_lines("methods.cpp", "PyInt_Type")[0]
        self.assertIn('  File "Quimbra\\tablasCatalogo", line %d, in %s.CalderaGasNatural.__init__\n'
                      % (line, MODULE), printed)

    def test_each_model_names_its_own_class(self):
        for name in ["CalderaGasNatural", "CalderaBiomasa", "CalderaGasoil", "BombaDeCalor",
                     "Aerotermia", "AerotermiaACS", "Ventilacion", "SistemaHibrido", "SolarTermica"]:
            error, listed = entries(getattr(tc, name), fabricante=[0])
            self.assertEqual(listed[1][2], "%s.%s.__init__" % (MODULE, name))
            instance = getattr(tc, name)()
            instance.nombreEquipo = ()
            error, listed = entries(instance.__unicode__)
            self.assertEqual(listed[1][2], "%s.%s.__unicode__" % (MODULE, name))


IMPORT_AND_LIST = r'''
try:
    import pyx.Quimbra.tablasCatalogo
except Exception as exc:
    listed = [entry[:3] for entry in traceback.extract_tb(sys.exc_info()[2])]
    print repr((type(exc).__name__, exc.args, listed))
'''

RAISING_FIELD = r'''
class Refused(Exception):
    pass
def refusing(kind, verbose_name):
    class Refusing(kind):
        def __init__(self, *args, **kwargs):
            if kwargs.get("verbose_name") == verbose_name:
                raise Refused(verbose_name)
            kind.__init__(self, *args, **kwargs)
    return Refusing
'''


class ImportEntryTest(TestCase):

    def import_failure(self, setup, preamble=PREAMBLE):
        status, out, err = run(setup + IMPORT_AND_LIST, preamble=preamble)
        self.assertEqual(status, 0, err)
        self.assertTrue(out, err)
        return eval(out)

    def assertInitEntry(self, listed, source, needle):
        self.assertEqual(listed[0][::2], ("<string>", "<module>"))
        self.assertEqual(listed[1][0::2], (FILE, "init " + MODULE))
        self.assertEqual([listed[1][1]], source_lines(source, needle), needle)

    def test_failing_statements_of_the_module_body(self):
        cases = [
            # setup, exception and its arguments, source file and text of the
            # failing statement, names of the callee's frames
            (RAISING_FIELD + "models.CharField = refusing(models.CharField, u'T[Enlace ficha t\\xe9cnica]')",
             "Refused", (u"T[Enlace ficha t\xe9cnica]",), "classes.cpp", '"fichaTecnica"', ["__init__"]),
            (RAISING_FIELD + "models.FloatField = refusing(models.FloatField, u'T[Clase - Rating]')",
             "Refused", (u"T[Clase - Rating]",), "classes.cpp", '"clase"', ["__init__"]),
            (RAISING_FIELD + "models.BooleanField = refusing(models.BooleanField, "
             "u'T[Control de by-Pass (kWh/24h)]')",
             "Refused", (u"T[Control de by-Pass (kWh/24h)]",), "classes.cpp", '"controlByPass"', ["__init__"]),
            ("def _(text):\n    if text == u'Orden': raise LookupError(text)\n    return text\n"
             "import __builtin__; __builtin__._ = _\n",
             "LookupError", (u"Orden",), "classes.cpp", '"orden"', ["_"]),
            ("Base = models.Manager\nclass Manager(Base):\n    made = [0]\n    def __init__(self):\n"
             "        Manager.made[0] += 1\n        if Manager.made[0] == 9: raise RuntimeError('ninth')\n"
             "        Base.__init__(self)\nmodels.Manager = Manager\n",
             "RuntimeError", ("ninth",), "classes.cpp", '{__LINE__, "Ventilacion"', ["__init__"]),
            ("del models.BooleanField\n", "ImportError", ("cannot import name BooleanField",),
             "module.cpp", '"Quimbra.librerias.miDjangoModel_v124.models"', []),
        ]
        for setup, exception, arguments, source, needle, callee in cases:
            name, got, listed = self.import_failure(setup)
            self.assertEqual((name, got), (exception, arguments), setup)
            self.assertInitEntry(listed, source, needle)
            self.assertEqual([e[2] for e in listed[2:]], callee, listed)

    def test_translation_missing_fails_at_the_first_translated_text(self):
        preamble = "import sys, traceback\n"
        name, arguments, listed = self.import_failure("", preamble=preamble)
        self.assertEqual((name, arguments), ("NameError", ("name '_' is not defined",)))
        self.assertInitEntry(listed, "classes.cpp", '{__LINE__, "fabricante", ForeignKey')
        self.assertEqual(len(listed), 2)

    def test_the_init_entry_as_printed(self):
        status, out, err = run("import pyx.Quimbra.tablasCatalogo\n", preamble="")
        self.assertEqual(status, 1)
        line = source_lines("classes.cpp", '{__LINE__, "fabricante", ForeignKey')[0]
        self.assertIn('  File "Quimbra\\tablasCatalogo", line %d, in init %s\n' % (line, MODULE), err)
        self.assertTrue(err.endswith("NameError: name '_' is not defined\n"), err)


if __name__ == "__main__":
    import unittest
    unittest.main()
