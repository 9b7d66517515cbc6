# -*- coding: utf-8 -*-
"""The initialisers of the catalogue classes: what each one looks up, what
it hands to the library's initialiser, and how it fails."""
import ntpath

from fixture import TestCase, models, tc

MANUFACTURER = object()   # what Fabricante.objects.get(id=12) answers
BIG_ID = 123456           # an int outside the small-int cache

HEAT_PUMPS = ["BombaDeCalor", "Aerotermia", "AerotermiaACS"]
FLAGS = ["esBdCDomestica", "esBdCTerciario", "depositoIntegrado"]
PLAIN_EQUIPMENT = ["CalderaGasNatural", "CalderaBiomasa", "CalderaGasoil", "SistemaHibrido", "SolarTermica"]

# class name -> keywords it needs besides fabricante, and what they become
REQUIRED = dict(
    [(name, ({}, {})) for name in PLAIN_EQUIPMENT]
    + [(name, ({"esBdCDomestica": "1", "esBdCTerciario": "0", "depositoIntegrado": u"1"},
               {"esBdCDomestica": True, "esBdCTerciario": False, "depositoIntegrado": True}))
       for name in HEAT_PUMPS]
    + [("Ventilacion", ({"controlByPass": "1"}, {"controlByPass": True}))])
EQUIPMENT = sorted(REQUIRED)


class Integral(object):
    def __init__(self, value):
        self.value = value

    def __int__(self):
        return self.value


class FalseButNotIntegral(object):
    def __nonzero__(self):
        return False

    def __int__(self):
        raise AssertionError("a false manufacturer must not be converted")


class Mapping(object):
    """A mapping that is not a dict."""

    def __init__(self, **items):
        self.items = items

    def keys(self):
        return list(self.items)

    def __getitem__(self, key):
        return self.items[key]


def outcome(function, *args, **kwargs):
    """(exception or None, [get keywords], [keywords the base received]),
    from the log of this call alone."""
    del models.registro[:]
    error = None
    try:
        function(*args, **kwargs)
    except Exception as exc:
        error = exc
    gets = [entry[2] for entry in models.registro if entry[0] == "Manager.get"]
    bases = [entry[2] for entry in models.registro if entry[0] == "Model.__init__"]
    return error, gets, bases


def snapshot(mapping):
    return [(k, id(v)) for k, v in sorted(mapping.items())]


class InitialiserTest(TestCase):

    def setUp(self):
        answers = tc.Fabricante.objects.respuestas
        saved = dict(answers)
        answers.update({12: MANUFACTURER, 1: "uno", 5: "cinco", BIG_ID: "grande"})
        self.addCleanup(lambda: (answers.clear(), answers.update(saved)))

    def rebind(self, name, value=None, delete=False):
        """Rebinds (or deletes) a name of the catalogue's namespace for this test."""
        original = vars(tc)[name]
        self.addCleanup(setattr, tc, name, original)
        if delete:
            delattr(tc, name)
        else:
            setattr(tc, name, value)
        return original


class ManufacturerResolutionTest(InitialiserTest):

    LOOKED_UP = [
        # fabricante given, id asked of the manager, value the base receives
        ("12", 12, MANUFACTURER),
        (u"12", 12, MANUFACTURER),
        (" 12 ", 12, MANUFACTURER),
        (12.7, 12, MANUFACTURER),
        (12L, 12, MANUFACTURER),
        (True, 1, "uno"),
        (Integral(5), 5, "cinco"),
    ]
    UNCHANGED = [None, 0, 0L, 0.0, False, "", u"", FalseButNotIntegral()]

    def test_true_values_are_converted_to_int_and_looked_up(self):
        for name in EQUIPMENT:
            required, converted = REQUIRED[name]
            for given, ident, expected in self.LOOKED_UP:
                error, gets, bases = outcome(getattr(tc, name), fabricante=given, **required)
                where = "%s fabricante=%r" % (name, given)
                self.assertIsNone(error, where)
                self.assertEqual(gets, [{"id": ident}], where)
                self.assertIs(type(gets[0]["id"]), int, where)
                self.assertEqual(len(bases), 1, where)
                self.assertIs(bases[0]["fabricante"], expected, where)
                self.assertEqual(dict(bases[0], fabricante=None), dict(converted, fabricante=None), where)

    def test_an_exact_int_is_passed_as_it_is(self):
        given = int("123456")
        error, gets, bases = outcome(tc.CalderaGasoil, fabricante=given)
        self.assertIsNone(error)
        self.assertIs(gets[0]["id"], given)

    def test_false_values_reach_the_base_unchanged_without_lookup(self):
        for name in EQUIPMENT:
            required, converted = REQUIRED[name]
            for given in self.UNCHANGED:
                error, gets, bases = outcome(getattr(tc, name), fabricante=given, **required)
                where = "%s fabricante=%r" % (name, given)
                self.assertIsNone(error, where)
                self.assertEqual(gets, [], where)
                self.assertIs(bases[0]["fabricante"], given, where)

    def test_no_keywords_no_lookup_and_the_base_gets_none(self):
        for name in EQUIPMENT + ["Fabricante", "VersionActual"]:
            error, gets, bases = outcome(getattr(tc, name))
            self.assertIsNone(error, name)
            self.assertEqual((gets, bases), ([], [{}]), name)

    def test_other_keywords_reach_the_base_as_the_same_objects(self):
        given = {"nombreEquipo": u"Equipo ñ", "precio": object(), "listadoCOP": [1.0, "2"], "modelo": None}
        for name in EQUIPMENT:
            required, _converted = REQUIRED[name]
            error, gets, bases = outcome(getattr(tc, name), **dict(given, **required))
            self.assertIsNone(error, name)
            for key, value in given.items():
                self.assertIs(bases[0][key], value, "%s %s" % (name, key))
            self.assertNotIn("fabricante", bases[0], name)

    def test_failures_before_the_lookup_and_of_the_lookup(self):
        cases = [
            # fabricante, exception, lookups made
            ("zz", ValueError, []),
            ("12.5", ValueError, []),
            ([1], TypeError, []),
            ("99", models.ObjetoNoExiste, [{"id": 99}]),
        ]
        for name in EQUIPMENT:
            required, _converted = REQUIRED[name]
            for given, exception, lookups in cases:
                error, gets, bases = outcome(getattr(tc, name), fabricante=given, **required)
                where = "%s fabricante=%r" % (name, given)
                self.assertIs(type(error), exception, where)
                self.assertEqual(gets, lookups, where)
                self.assertEqual(bases, [], where)

    def test_conversion_error_is_that_of_int(self):
        error, _gets, _bases = outcome(tc.SolarTermica, fabricante="zz")
        self.assertEqual(str(error), "invalid literal for int() with base 10: 'zz'")

    def test_fabricante_is_looked_up_when_called(self):
        class Otra(object):
            class objects(object):
                asked = []

                @classmethod
                def get(cls, **kwargs):
                    cls.asked.append(kwargs)
                    return "de otra"
        self.rebind("Fabricante", Otra)
        error, gets, bases = outcome(tc.CalderaBiomasa, fabricante="3")
        self.assertIsNone(error)
        self.assertEqual((Otra.objects.asked, gets), ([{"id": 3}], []))
        self.assertEqual(bases[0]["fabricante"], "de otra")

        delattr(tc, "Fabricante")
        error, gets, bases = outcome(tc.CalderaBiomasa, fabricante="3")
        self.assertIs(type(error), NameError)
        self.assertEqual(str(error), "global name 'Fabricante' is not defined")
        self.assertEqual(bases, [])
        # a false manufacturer needs no Fabricante
        self.assertIsNone(outcome(tc.CalderaBiomasa, fabricante=0)[0])

    def test_unicode_keyword_names_work_like_plain_ones(self):
        error, gets, bases = outcome(tc.BombaDeCalor, **{u"fabricante": u"12", u"esBdCDomestica": u"1",
                                                         u"esBdCTerciario": "0", u"depositoIntegrado": 1})
        self.assertIsNone(error)
        self.assertEqual(gets, [{"id": 12}])
        self.assertEqual(bases[0], {"fabricante": MANUFACTURER, "esBdCDomestica": True,
                                    "esBdCTerciario": False, "depositoIntegrado": True})
        self.assertIs(bases[0]["fabricante"], MANUFACTURER)


class FlagTest(InitialiserTest):

    HEAT_PUMP_VALUES = [
        ("1", True), (u"1", True), (True, True), (1, True), (1L, True), (1.0, True),
        ("0", False), (u"0", False), ("", False), (None, False), (0, False), (False, False),
        ("True", False), ("si", False), (2, False), (0.5, False), ([1], False), (" 1", False),
    ]
    BYPASS_VALUES = [
        ("1", True), (u"1", True),
        (True, False), (1, False), (1.0, False), ("0", False), ("", False), (None, False),
        ("True", False), (False, False),
    ]

    def test_heat_pump_flags(self):
        for name in HEAT_PUMPS:
            for flag in FLAGS:
                for value, expected in self.HEAT_PUMP_VALUES:
                    given = dict.fromkeys(FLAGS, "0")
                    given[flag] = value
                    error, gets, bases = outcome(getattr(tc, name), **given)
                    where = "%s %s=%r" % (name, flag, value)
                    self.assertIsNone(error, where)
                    self.assertIs(bases[0][flag], expected, where)
                    self.assertEqual([bases[0][f] for f in FLAGS if f != flag], [False, False], where)

    def test_missing_heat_pump_flag_is_the_first_missing_in_order(self):
        cases = [
            ([], "esBdCDomestica"),
            (["esBdCTerciario", "depositoIntegrado"], "esBdCDomestica"),
            (["esBdCDomestica"], "esBdCTerciario"),
            (["esBdCDomestica", "depositoIntegrado"], "esBdCTerciario"),
            (["esBdCDomestica", "esBdCTerciario"], "depositoIntegrado"),
        ]
        for name in HEAT_PUMPS:
            for present, missing in cases:
                given = dict.fromkeys(present, "1")
                given["fabricante"] = "12"
                error, gets, bases = outcome(getattr(tc, name), **given)
                where = "%s with %s" % (name, present)
                self.assertIs(type(error), KeyError, where)
                self.assertEqual(error.args, (missing,), where)
                self.assertEqual(gets, [{"id": 12}], where)
                self.assertEqual(bases, [], where)

    def test_a_heat_pump_with_one_keyword_needs_all_flags(self):
        error, gets, bases = outcome(tc.Aerotermia, nombreEquipo=u"x")
        self.assertEqual((type(error), error.args, gets, bases), (KeyError, ("esBdCDomestica",), [], []))

    def test_bypass_flag(self):
        for value, expected in self.BYPASS_VALUES:
            error, gets, bases = outcome(tc.Ventilacion, controlByPass=value)
            self.assertIsNone(error, repr(value))
            self.assertIs(bases[0]["controlByPass"], expected, repr(value))

    def test_missing_bypass_flag_after_the_manufacturer(self):
        error, gets, bases = outcome(tc.Ventilacion, fabricante="12")
        self.assertIs(type(error), KeyError)
        self.assertEqual(error.args, ("controlByPass",))
        self.assertEqual((gets, bases), ([{"id": 12}], []))

    def test_flags_of_other_models_are_not_converted(self):
        for name in PLAIN_EQUIPMENT + ["Ventilacion"]:
            given = dict(REQUIRED[name][0], esBdCDomestica="1", depositoIntegrado="0")
            error, gets, bases = outcome(getattr(tc, name), **given)
            self.assertIsNone(error, name)
            self.assertEqual((bases[0]["esBdCDomestica"], bases[0]["depositoIntegrado"]), ("1", "0"), name)
        error, _gets, bases = outcome(tc.BombaDeCalor, controlByPass="1", **REQUIRED["BombaDeCalor"][0])
        self.assertEqual(bases[0]["controlByPass"], "1")

    def test_manufacturer_alone_is_enough_for_hybrid_and_solar(self):
        for name in PLAIN_EQUIPMENT:
            error, gets, bases = outcome(getattr(tc, name), fabricante="12")
            self.assertIsNone(error, name)
            self.assertEqual(gets, [{"id": 12}], name)
            self.assertEqual(len(bases), 1, name)
            self.assertEqual(bases[0].keys(), ["fabricante"], name)
            self.assertIs(bases[0]["fabricante"], MANUFACTURER, name)


class FabricanteImagenTest(InitialiserTest):

    def use_windows_paths(self):
        class WindowsOs(object):
            path = ntpath
        self.rebind("os", WindowsOs())

    def test_image_reduced_to_its_base_name_by_the_modules_os(self):
        self.use_windows_paths()
        cases = [
            ("C:\\dir\\logo.png", "logo.png"),
            ("dir/logo.png", "logo.png"),
            ("C:/dir/sub\\logo.png", "logo.png"),
            ("logo.png", "logo.png"),
            ("", ""),
            ("C:\\dir\\", ""),
            (u"C:\\im\u00e1genes\\ñu.png", u"ñu.png"),
        ]
        for given, expected in cases:
            error, gets, bases = outcome(tc.Fabricante, imagen=given, nombre=u"N")
            self.assertIsNone(error, repr(given))
            self.assertEqual((type(bases[0]["imagen"]), bases[0]["imagen"]), (type(expected), expected),
                             repr(given))
            self.assertEqual(bases[0]["nombre"], u"N")
            self.assertEqual(gets, [])

    def test_without_image_the_keywords_pass_unchanged(self):
        self.use_windows_paths()
        nombre = u"Fabricante ñ"
        error, gets, bases = outcome(tc.Fabricante, nombre=nombre)
        self.assertIsNone(error)
        self.assertEqual(bases[0], {"nombre": nombre})
        self.assertIs(bases[0]["nombre"], nombre)

    def test_image_that_is_no_text_fails_as_the_path_function_does(self):
        self.use_windows_paths()
        for given in (None, 5, ["C:\\a.png"]):
            try:
                ntpath.basename(given)
            except Exception as exc:
                expected = exc
            else:
                expected = None
            error, gets, bases = outcome(tc.Fabricante, imagen=given)
            self.assertIsNotNone(expected, repr(given))
            self.assertEqual((type(error), str(error)), (type(expected), str(expected)), repr(given))
            self.assertEqual(bases, [], repr(given))

    def test_os_is_read_when_called(self):
        self.rebind("os", delete=True)
        error, gets, bases = outcome(tc.Fabricante, imagen="a.png")
        self.assertEqual((type(error), str(error)), (NameError, "global name 'os' is not defined"))
        self.assertIsNone(outcome(tc.Fabricante, nombre="sin imagen")[0])


class VersionActualTest(InitialiserTest):

    def shared_default(self):
        return vars(tc.VersionActual)["__init__"].__defaults__[0]

    def test_mapping_or_keywords(self):
        mapping = {"version": 2.0}
        cases = [
            # positional, keywords, what the base receives
            ((), {}, {}),
            ((), {"descripcion": "d"}, {"descripcion": "d"}),
            ((mapping,), {}, mapping),
            ((), {"args": mapping}, mapping),
            ((mapping,), {"descripcion": "d"}, mapping),
            ((), {"args": mapping, "descripcion": "d"}, mapping),
            (({},), {"descripcion": "d"}, {"descripcion": "d"}),
            ((), {"args": {}, "descripcion": "d"}, {"descripcion": "d"}),
            ((None,), {"descripcion": "d"}, {"descripcion": "d"}),
            ((Mapping(version=3.0),), {"descripcion": "d"}, {"version": 3.0}),
            ((), {"args": Mapping(version=3.0)}, {"version": 3.0}),
        ]
        default = self.shared_default()
        for args, kwargs, expected in cases:
            error, gets, bases = outcome(tc.VersionActual, *args, **kwargs)
            where = "%r %r" % (args, kwargs)
            self.assertIsNone(error, where)
            self.assertEqual(bases, [expected], where)
            self.assertIsNot(bases[0], mapping, where)
        self.assertEqual(mapping, {"version": 2.0})
        self.assertIs(self.shared_default(), default)
        self.assertEqual(default, {})
        self.assertIs(type(default), dict)

    def test_the_shared_default_is_never_what_the_base_writes_into(self):
        default = self.shared_default()
        for _ in range(2):
            error, gets, bases = outcome(tc.VersionActual, version=1.0)
            bases[0]["extra"] = 1
            self.assertIsNot(bases[0], default)
        self.assertEqual(default, {})


class ArgumentsTest(InitialiserTest):
    """Positional arguments are refused with the interpreter's own words,
    before anything is looked up or passed on."""

    class Reference(object):
        def __init__(self, **kwargs):
            pass

        def __unicode__(self):
            pass

    class ReferenceVersion(object):
        def __init__(self, args={}, **kwargs):
            pass

    def test_positional_arguments(self):
        cases = [
            ((1,), {}),
            ((1,), {"fabricante": "12"}),
            ((1, 2), {}),
            ((), {"self": 1}),
        ]
        for name in EQUIPMENT + ["Fabricante"]:
            for args, kwargs in cases:
                try:
                    self.Reference(*args, **kwargs)
                except TypeError as exc:
                    expected = str(exc)
                error, gets, bases = outcome(getattr(tc, name), *args, **kwargs)
                where = "%s%r%r" % (name, args, kwargs)
                self.assertEqual((type(error), str(error)), (TypeError, expected), where)
                self.assertEqual((gets, bases), ([], []), where)

    def test_version_arguments(self):
        for args, kwargs in [((1, 2), {}), ((1,), {"args": 2}), ((1, 2, 3), {"x": 1}), ((), {"self": 1})]:
            try:
                self.ReferenceVersion(*args, **kwargs)
            except TypeError as exc:
                expected = str(exc)
            error, gets, bases = outcome(tc.VersionActual, *args, **kwargs)
            self.assertEqual((type(error), str(error)), (TypeError, expected), repr((args, kwargs)))
            self.assertEqual(bases, [])

    def test_display_text_takes_no_argument(self):
        try:
            self.Reference().__unicode__(1)
        except TypeError as exc:
            expected = str(exc)
        instance = tc.CalderaGasoil(nombreEquipo=u"c")
        with self.assertRaises(TypeError) as raised:
            instance.__unicode__(1)
        self.assertEqual(str(raised.exception), expected)

    def test_the_callers_mapping_is_never_modified(self):
        pump = {"fabricante": "12", "esBdCDomestica": "1", "esBdCTerciario": "0", "depositoIntegrado": True}
        cases = [
            ("BombaDeCalor", pump, None),
            ("AerotermiaACS", dict(pump, esBdCTerciario=None), None),
            ("Aerotermia", {"fabricante": "12", "esBdCDomestica": "1"}, KeyError),
            ("Ventilacion", {"fabricante": u"12", "controlByPass": "1"}, None),
            ("Ventilacion", {"fabricante": "12"}, KeyError),
            ("CalderaGasoil", {"fabricante": "zz", "nombreEquipo": u"c"}, ValueError),
            ("SistemaHibrido", {"fabricante": 12.0}, None),
            ("SolarTermica", {"fabricante": "99"}, models.ObjetoNoExiste),
            ("Fabricante", {"imagen": "/a/b.png"}, None),
            ("Fabricante", {"imagen": 5}, AttributeError),
            ("VersionActual", {"args": {"version": 1.0}, "descripcion": "d"}, None),
        ]
        for name, given, exception in cases:
            cls = getattr(tc, name)
            for call in (lambda: cls(**given),
                         lambda: vars(cls)["__init__"](cls.__new__(cls), **given)):
                before = snapshot(given)
                error, gets, bases = outcome(call)
                self.assertIs(type(error), type(None) if exception is None else exception,
                              "%s %r" % (name, given))
                self.assertEqual(snapshot(given), before, name)
                for received in bases:
                    self.assertIsNot(received, given, name)
        self.assertEqual(cases[-1][1]["args"], {"version": 1.0})

    def test_base_initialiser_is_found_through_the_class_named_now(self):
        # Bound to Model, the name makes super() skip Model.__init__ and reach
        # object.__init__, which takes no keywords.
        for name, given in [("BombaDeCalor", {"esBdCDomestica": "1", "esBdCTerciario": "1",
                                              "depositoIntegrado": "1"}),
                            ("CalderaGasNatural", {"fabricante": "12"}), ("Fabricante", {"nombre": "n"}),
                            ("VersionActual", {"version": 1.0}), ("Ventilacion", {"controlByPass": "0"})]:
            original = self.rebind(name, models.Model)
            error, gets, bases = outcome(original, **given)
            self.assertEqual((type(error), str(error)), (TypeError, "object.__init__() takes no parameters"), name)
            self.assertEqual(bases, [], name)
            error, gets, bases = outcome(original)
            self.assertEqual((error, bases), (None, []), name)
            delattr(tc, name)
            error, gets, bases = outcome(original, **given)
            self.assertEqual((type(error), str(error)),
                             (NameError, "global name '%s' is not defined" % name))

    def test_base_row_is_found_through_the_class_named_now(self):
        for name in ["CalderaGasoil", "Fabricante"]:
            instance = getattr(tc, name)()
            original = self.rebind(name, models.Model)
            with self.assertRaises(AttributeError) as raised:
                instance.diccionarioTablaSqlite
            self.assertEqual(str(raised.exception), "'super' object has no attribute 'diccionarioTablaSqlite'")
            delattr(tc, name)
            with self.assertRaises(NameError) as raised:
                instance.diccionarioTablaSqlite
            self.assertEqual(str(raised.exception), "global name '%s' is not defined" % name)
            setattr(tc, name, original)


class DisplayTextTest(InitialiserTest):

    VALUES = [u"Caldera ñ", "ascii", 5, 2.5, None, (u"tupla",), ("a", "b"), (), "\xc3\xb1", [u"x"]]

    def test_display_text_formats_the_name_as_percent_does(self):
        for name, attribute in [("Fabricante", "nombre")] + [(n, "nombreEquipo") for n in EQUIPMENT]:
            for value in self.VALUES:
                instance = getattr(tc, name)()
                setattr(instance, attribute, value)
                try:
                    expected = u"%s" % value
                except Exception as exc:
                    expected = exc
                try:
                    got = instance.__unicode__()
                except Exception as exc:
                    got = exc
                where = "%s %r" % (name, value)
                if isinstance(expected, Exception):
                    self.assertEqual((type(got), str(got)), (type(expected), str(expected)), where)
                else:
                    self.assertEqual((type(got), got), (unicode, expected), where)
                    self.assertEqual(unicode(instance), expected, where)


class Manufacturer(object):
    """A manufacturer whose id records the row being built when it is read."""

    def __init__(self, ident):
        self.ident = ident
        self.row_when_read = None

    @property
    def id(self):
        self.row_when_read = dict(models.registro[-1][2])
        return self.ident


class RowDictionaryTest(InitialiserTest):

    def row(self, instance):
        """(the row dictionary, the base's dictionary it was built on)."""
        del models.registro[:]
        row = instance.diccionarioTablaSqlite
        bases = [entry for entry in models.registro if entry[0] == "Model.diccionarioTablaSqlite"]
        self.assertEqual(len(bases), 1)
        self.assertIs(bases[0][1], instance)
        return row, bases[0][2]

    def test_equipment_row_sets_id_then_manufacturer_id_on_the_base_row(self):
        for name in EQUIPMENT:
            manufacturer = Manufacturer(7)
            instance = getattr(tc, name)()
            instance.fabricante = manufacturer
            instance.nombreEquipo = u"e"
            row, base = self.row(instance)
            self.assertIs(row, base, name)
            self.assertEqual(row, {"id": None, "fabricante": 7, "nombreEquipo": u"e"}, name)
            self.assertEqual(sorted((type(k), k) for k in row if k != "nombreEquipo"),
                             [(str, "fabricante"), (str, "id")], name)
            self.assertEqual(manufacturer.row_when_read,
                             {"id": None, "fabricante": manufacturer, "nombreEquipo": u"e"}, name)

    def test_row_values_are_overwritten_by_the_attributes(self):
        class Stale(tc.CalderaGasoil):
            id = property(lambda self: 42)
        instance = Stale()
        vars(instance)["id"] = "stale"
        instance.fabricante = Manufacturer(7)
        row, base = self.row(instance)
        self.assertIs(row, base)
        self.assertEqual((row["id"], row["fabricante"]), (42, 7))

    def test_manufacturer_row_sets_id_only(self):
        instance = tc.Fabricante(nombre=u"F", id=3)
        row, base = self.row(instance)
        self.assertIs(row, base)
        self.assertEqual(row, {"id": 3, "nombre": u"F"})
        instance = tc.Fabricante(nombre=u"F")
        instance.fabricante = Manufacturer(9)
        row, _base = self.row(instance)
        self.assertIs(row["fabricante"], instance.fabricante)
        self.assertEqual(row["id"], None)

    def test_missing_manufacturer_fails_with_attribute_error(self):
        for manufacturer in (None, object()):
            for name in EQUIPMENT:
                instance = getattr(tc, name)()
                instance.fabricante = manufacturer
                with self.assertRaises(AttributeError) as raised:
                    instance.diccionarioTablaSqlite
                self.assertIn("has no attribute 'id'", str(raised.exception), name)

    def test_row_dictionary_cannot_be_set_or_deleted(self):
        for name in EQUIPMENT + ["Fabricante"]:
            instance = getattr(tc, name)()
            with self.assertRaises(AttributeError):
                instance.diccionarioTablaSqlite = {}
            with self.assertRaises(AttributeError):
                del instance.diccionarioTablaSqlite
            self.assertNotIn("diccionarioTablaSqlite", vars(instance))

    def test_version_keeps_the_librarys_row(self):
        instance = tc.VersionActual(version=1.0)
        row, base = self.row(instance)
        self.assertIs(row, base)
        self.assertEqual(row, {"version": 1.0})


if __name__ == "__main__":
    import unittest
    unittest.main()
