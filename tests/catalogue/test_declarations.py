# -*- coding: utf-8 -*-
"""What the import of the catalogue declares: the classes in order, every
field constructor call with its arguments, every translated text, the shared
class attributes and the module namespace.

The tables below are the catalogue as the application's data model defines
it, written out here on their own; the import log of the recording library
must match them call for call, with exact types ('' is not u'', 0.0 is not 0
or False, a class is compared by identity).
"""
import os
import unittest

from fixture import IMPORT_LOG, MODULE, TestCase, leerDatosFijos, models, run, tc


class T(unicode):
    """A literal that the class body passes through `_`."""


SIX_ZEROS = object()  # a new list [0.0] * 6 for that one field


class ClassRef(str):
    """The catalogue class of that name, passed as an object."""


def char(attribute, max_length, verbose_name, default=None):
    keywords = [("max_length", max_length), ("verbose_name", verbose_name)]
    if default is not None:
        keywords.append(("default", default))
    return (attribute, "CharField", (), keywords)


def real(attribute, verbose_name=None, default=None):
    keywords = []
    if verbose_name is not None:
        keywords.append(("verbose_name", verbose_name))
    if default is not None:
        keywords.append(("default", default))
    return (attribute, "FloatField", (), keywords)


def flag(attribute, verbose_name):
    return (attribute, "BooleanField", (), [("verbose_name", verbose_name), ("default", False)])


IMAGEN_EQUIPO = char("imagen", 5000, u"Imagen del equipo", "")

# name, bases, docstring, concrete model
CLASSES = [
    ("VersionActual", ("Model",), None, True),
    ("Fabricante", ("Model",), "\n    Fabricante\n    ", True),
    ("Equipo", ("object",), None, False),
    ("Caldera", ("Equipo",), "\n    Caldera\n    ", False),
    ("CalderaGasNatural", ("Caldera", "Model"), None, True),
    ("CalderaBiomasa", ("Caldera", "Model"), None, True),
    ("CalderaGasoil", ("Caldera", "Model"), None, True),
    ("Bdc", ("Equipo",), "\n    Bdc\n    ", False),
    ("BombaDeCalor", ("Bdc", "Model"), None, True),
    ("Aerotermia", ("Bdc", "Model"), None, True),
    ("AerotermiaACS", ("Bdc", "Model"), None, True),
    ("Ventilacion", ("Model", "Equipo"), None, True),
    ("SistemaHibrido", ("Model", "Equipo"), None, True),
    ("SolarTermica", ("Model", "Equipo"), None, True),
]

# The rows of each class body, in declaration order.
BODIES = {
    "VersionActual": [
        real("version"),
        char("descripcion", 500, u"Descripcion", ""),
    ],
    "Fabricante": [
        char("nombre", 500, u"Nombre", ""),
        char("imagen", 5000, u"Imagen del fabricante", ""),
    ],
    "Equipo": [
        ("fabricante", "ForeignKey", (ClassRef("Fabricante"),),
         [("verbose_name", T(u"Fabricante")), ("related_name", "%(class)s")]),
        char("nombreEquipo", 500, T(u"Nombre del equipo")),
        char("modelo", 500, T(u"Modelo del equipo")),
        char("codigoAS400", 500, T(u"Codigo AS400 del equipo")),
        char("descripcion", 1000, T(u"Descripción del equipo")),
        char("descripcionBreve", 1000, T(u"Descripción breve del equipo")),
        char("descripcionUsuarioFinal", 1000, T(u"Descripción usuario final del equipo")),
        char("descripcionGamaProducto", 1000, T(u"Descripción gama producto del equipo")),
        char("descripcionCatalan", 1000, T(u"Descripción del equipo en catalán")),
        char("descripcionBreveCatalan", 1000, T(u"Descripción breve del equipo en catalán")),
        char("descripcionUsuarioFinalCatalan", 1000, T(u"Descripción usuario final del equipo en catalán")),
        char("descripcionGamaProductoCatalan", 1000, T(u"Descripción gama producto del equipo en catalán")),
        char("fichaTecnica", 1000, T(u"Enlace ficha técnica")),
        char("fichaHomologacion", 1000, T(u"Enlace ficha homologación")),
        real("precio", T(u"Precio (€)")),
        real("orden", T(u"Orden")),
    ],
    "Caldera": [
        real("potencia", T(u"Potencia kW")),
        real("rendimientoCalefaccionPCS", T(u"Efi.Est. Cale (PCS) \u00ce\u00b7s (%)")),
        real("rendimiento30_5030CalefaccionPCI", T(u"Efi. Cale 30% 50-30\u00ba (PCI) \u00ce\u00b7 (%)")),
        real("rendimiento100_5030CalefaccionPCI", T(u"Efi. Cale 100% 50-30\u00ba  (PCI) \u00ce\u00b7 (%)")),
        real("rendimiento30_8060CalefaccionPCI", T(u"Efi. Cale 30% 80-60\u00ba  (PCI)\u00ce\u00b7 (%)")),
        real("rendimiento100_8060CalefaccionPCI", T(u"Efi. Cale 100% 80-60\u00ba  (PCI) (%)")),
        real("rendimientoACS", T(u"Efi.Est. ACS (PCS) (%)")),
        char("tipoCaldera", 50, T(u"Tipo caldera: calefaccion, acumulacion, mixtaInstantanea"), T(u"calefaccion")),
        char("servicioCubierto", 50, T(u"Servicio cubierto"), T(u"soloCalefaccion")),
    ],
    "CalderaGasNatural": [IMAGEN_EQUIPO],
    "CalderaBiomasa": [IMAGEN_EQUIPO],
    "CalderaGasoil": [IMAGEN_EQUIPO],
    "Bdc": [
        real("potenciaCal", T(u"Potencia calefacción  (kW) (Taire=7\u00b0C, Tagua=45\u00b0C)")),
        real("potenciaRef", T(u"Potencia refrigeración (kW)   (Taire=7\u00b0C, Tagua=35\u00b0C)")),
        real("eer_3518", T(u"EER (35/18\u00ba)")),
        real("eer_357", T(u"EER (35/7\u00ba)")),
        real("cop_35", T(u"COP (35\u00ba)")),
        real("cop_45", T(u"COP (45\u00ba)")),
        real("copACS_55", T(u"COP (55\u00ba)")),
        flag("depositoIntegrado", T(u"Deposito integrado")),
        flag("esBdCDomestica", T(u"BDC domestica")),
        flag("esBdCTerciario", T(u"BDC terciario")),
        char("esTrifasica", 50, T(u"Tension: monofasico, trifasico"), T(u"mono")),
        char("unidadExterior", 50, T(u"Condensada por"), T(u"aire")),
        real("ratedCapacity", T(u"ratedCapacity"), 0.0),
        char("listadoCapacidadCalor", 500, T(u"listadoCapacidadCalor"), SIX_ZEROS),
        real("ratedCOP", T(u"ratedCOP"), 0.0),
        char("listadoCOP", 500, T(u"listadoCOP"), SIX_ZEROS),
        real("potenciaFrio", T(u"potenciaFrio"), 0.0),
        char("listadoCapacidadFrio", 500, T(u"listadoCapacidadFrio"), SIX_ZEROS),
        real("ratedEER", T(u"ratedEER"), 0.0),
        char("listadoEER", 500, T(u"listadoEER"), SIX_ZEROS),
        char("listadoCargaParcialCalor", 500, T(u"listadoCargaParcialCalor"), SIX_ZEROS),
        char("listadoCargaParcialFrio", 500, T(u"listadoCapacidadFrio"), SIX_ZEROS),
    ],
    "BombaDeCalor": [
        IMAGEN_EQUIPO,
        char("unidadInterior", 50, T(u"Evaporada por "), T(u"aire")),
        char("servicioCubierto", 50, T(u"Servicio cubierto"), T(u"clima")),
    ],
    "Aerotermia": [
        IMAGEN_EQUIPO,
        char("servicioCubierto", 50, T(u"Servicio cubierto"), T(u"mixto3")),
    ],
    "AerotermiaACS": [
        IMAGEN_EQUIPO,
        real("volumen", T(u"Volumen")),
        real("uA", T(u"uA")),
        real("scopDhw", T(u"scopDhw")),
        char("servicioCubierto", 50, T(u"Servicio cubierto"), T(u"soloACS")),
    ],
    "Ventilacion": [
        IMAGEN_EQUIPO,
        char("tipoServicio", 50, T(u"Subcategoria"), T(u"Residencial")),
        real("caudalNominal", T(u"Caudal nominal (m3/h)")),
        real("caudalMaximo", T(u"Caudal máximo (m3/h)")),
        real("rendNominal", T(u"Rendimiento nominal (%)")),
        real("potencia", T(u"potencia ventilador (W)")),
        real("potenciaSFI", T(u"Potencia especifica(SFI)W/m3h")),
        flag("controlByPass", T(u"Control de by-Pass (kWh/24h)")),
    ],
    "SistemaHibrido": [
        real("caldera_potencia", T(u"Caldera potencia Prated Pnom (kW)")),
        real("caldera_rendimientoEstacionalCalefaccionPCS", T(u"Caldera Efi.Est. Cale (%)")),
        real("caldera_rendimientoEstacionalACSPCS", T(u"Caldera Efi.Est. ACS (%)")),
        real("caldera_rendimiento_30_5030CalefaccionPCI", T(u"Caldera Efi. Cale 30% 50-30\u00ba (%)")),
        real("caldera_rendimiento_100_5030CalefaccionPCI", T(u"Caldera Efi. Cale 100% 50-30\u00ba (%)")),
        real("caldera_rendimiento_30_8060CalefaccionPCI", T(u"Caldera Efi. Cale 30% 80-60\u00ba (%)")),
        real("caldera_rendimiento_100_8060CalefaccionPCI", T(u"Caldera Efi. Cale 100% 80-60\u00ba (%)")),
        real("bdc_potencia", T(u"BDC Potencia nominal (kW)")),
        real("bdc_eer", T(u"BDC EER")),
        real("bdc_cop", T(u"BDC COP")),
        real("bdc_copACS", T(u"BDC COP ACS")),
        real("rendimientoTotalCalefaccion", T(u"Conjunto Efi.Est. Cale (%)")),
        IMAGEN_EQUIPO,
        real("porcentajeACS_BDC", T(u"porcentajeACS_BDC")),
        char("servicioCubierto", 50, T(u"Servicio cubierto"), T(u"mixto3")),
        real("ratedCapacity", T(u"ratedCapacity"), 0.0),
        char("listadoCapacidadCalor", 500, T(u"listadoCapacidadCalor"), SIX_ZEROS),
        real("ratedCOP", T(u"ratedCOP"), 0.0),
        char("listadoCOP", 500, T(u"listadoCOP"), SIX_ZEROS),
        real("potenciaFrio", T(u"potenciaFrio"), 0.0),
        char("listadoCapacidadFrio", 500, T(u"listadoCapacidadFrio"), SIX_ZEROS),
        real("ratedEER", T(u"ratedEER"), 0.0),
        char("listadoEER", 500, T(u"listadoEER"), SIX_ZEROS),
        char("listadoCargaParcialCalor", 500, T(u"listadoCargaParcialCalor"), SIX_ZEROS),
        char("listadoCargaParcialFrio", 500, T(u"listadoCapacidadFrio"), SIX_ZEROS),
    ],
    "SolarTermica": [
        real("areaUtilSolar", T(u"Superficie captador (m2)")),
        real("coeficienteA1", T(u"Coeficiente a1")),
        real("coeficienteA2", T(u"Coeficiente a2")),
        real("rendimientoOptico", T(u"Rendmiento (%)")),
        real("iam", T(u"IAM (50\u00b0)")),
        real("volumenAcumulacion", T(u"Volumen nominal Vnom (litros)")),
        real("perdidas24h", T(u"Pérdidas 24h (kWh/24h)")),
        real("clase", T(u"Clase - Rating")),
        IMAGEN_EQUIPO,
    ],
}

METHODS = {"VersionActual": {"__init__"}}
for _name, _bases, _doc, _concrete in CLASSES:
    if _concrete and _name != "VersionActual":
        METHODS[_name] = {"__init__", "__unicode__", "diccionarioTablaSqlite"}

IMPORTED = ["os", "Model", "Manager", "ForeignKey", "CharField", "FloatField", "BooleanField",
            "rutaBD", "fabricante"]


def base_class(name):
    return object if name == "object" else getattr(tc, name, None) or getattr(models, name)


def resolve(value):
    """The object a table value stands for, as the library receives it."""
    if isinstance(value, T):
        return u"T[" + unicode(value) + u"]"
    if value is SIX_ZEROS:
        return [0.0] * 6
    if isinstance(value, ClassRef):
        return getattr(tc, value)
    return value


def exact(value):
    """A form of value that compares equal only for equal values of the same
    types, classes and functions by identity."""
    if isinstance(value, tuple):
        return ("tuple",) + tuple(exact(v) for v in value)
    if isinstance(value, list):
        return ("list", [exact(v) for v in value])
    if isinstance(value, dict):
        return ("dict", sorted((exact(k), exact(v)) for k, v in value.items()))
    if isinstance(value, type):
        return ("class", id(value), value.__name__)
    return (type(value).__name__, value)


def expected_import_log():
    log = []
    for name, bases, _doc, concrete in CLASSES:
        if concrete:
            log.append(("Manager", (), {}))
        for _attribute, kind, positional, keywords in BODIES[name]:
            log.extend(("_", unicode(v)) for _k, v in keywords if isinstance(v, T))
            log.append((kind, tuple(resolve(p) for p in positional),
                        dict((k, resolve(v)) for k, v in keywords)))
        if concrete:
            log.append(("ModelMeta", name, tuple(base_class(b) for b in bases)))
    return log


class ImportLogTest(TestCase):

    def test_whole_import_log_call_for_call(self):
        expected = expected_import_log()
        for index, (got, wanted) in enumerate(zip(IMPORT_LOG, expected)):
            self.assertEqual(exact(got), exact(wanted), "entry %d: %r != %r" % (index, got, wanted))
        self.assertEqual(len(IMPORT_LOG), len(expected))

    def test_translation_called_103_times_with_unicode(self):
        translated = [entry[1] for entry in IMPORT_LOG if entry[0] == "_"]
        self.assertEqual(len(translated), 103)
        self.assertTrue(all(type(text) is unicode for text in translated))

    def test_each_list_default_is_a_list_object_of_its_own(self):
        lists = [entry[2]["default"] for entry in IMPORT_LOG
                 if entry[0] == "CharField" and isinstance(entry[2].get("default"), list)]
        self.assertEqual(len(lists), 12)
        self.assertEqual(len(set(map(id, lists))), 12)
        for value in lists:
            self.assertEqual([(type(x), x) for x in value], [(float, 0.0)] * 6)


class ClassesTest(TestCase):

    def test_kind_bases_docstring_and_module_of_each_class(self):
        for name, bases, doc, concrete in CLASSES:
            cls = getattr(tc, name)
            self.assertIs(type(cls), models.ModelMeta if concrete else type, name)
            self.assertEqual(cls.__bases__, tuple(base_class(b) for b in bases), name)
            self.assertEqual(cls.__module__, MODULE, name)
            self.assertEqual(type(cls.__module__), str, name)
            self.assertEqual(cls.__doc__, doc, name)
            if doc is not None:
                self.assertIs(type(vars(cls)["__doc__"]), str, name)

    def test_class_bodies_hold_exactly_their_fields_attributes_and_methods(self):
        for name, _bases, _doc, concrete in CLASSES:
            own = vars(getattr(tc, name))
            expected = set(row[0] for row in BODIES[name]) | METHODS.get(name, set())
            if concrete:
                expected |= {"objects", "rutaBaseDatos", "nombreTabla"}
            self.assertEqual(set(own) - {"__module__", "__doc__", "__dict__", "__weakref__"},
                             expected, name)

    def test_each_field_attribute_is_the_object_its_row_made(self):
        for name, _bases, _doc, _concrete in CLASSES:
            own = vars(getattr(tc, name))
            for attribute, kind, positional, keywords in BODIES[name]:
                field = own[attribute]
                where = "%s.%s" % (name, attribute)
                self.assertIs(type(field), getattr(models, kind), where)
                self.assertEqual(exact(field.args), exact(tuple(resolve(p) for p in positional)), where)
                self.assertEqual(exact(field.kwargs),
                                 exact(dict((k, resolve(v)) for k, v in keywords)), where)

    def test_shared_attributes_of_the_concrete_models(self):
        managers = set()
        for name, _bases, _doc, concrete in CLASSES:
            cls = getattr(tc, name)
            if not concrete:
                continue
            own = vars(cls)
            self.assertIs(type(own["objects"]), models.Manager, name)
            self.assertIs(own["objects"].modelo, cls, name)
            managers.add(id(own["objects"]))
            self.assertIs(own["rutaBaseDatos"], leerDatosFijos.rutaBD, name)
            self.assertIs(type(own["nombreTabla"]), unicode, name)
            self.assertEqual(own["nombreTabla"], leerDatosFijos.fabricante + u"_" + name)
        self.assertEqual(len(managers), 11)

    def test_diccionario_is_a_read_only_property(self):
        for name, methods in METHODS.items():
            if "diccionarioTablaSqlite" not in methods:
                continue
            prop = vars(getattr(tc, name))["diccionarioTablaSqlite"]
            self.assertIs(type(prop), property, name)
            self.assertIsNone(prop.fset, name)
            self.assertIsNone(prop.fdel, name)


class ModuleNamespaceTest(TestCase):

    def test_docstring(self):
        self.assertTrue(tc.__doc__.startswith("\nCreated on 24 mar 2026"), repr(tc.__doc__))

    def test_namespace_holds_the_imports_and_the_fourteen_classes(self):
        public = set(k for k in vars(tc) if not k.startswith("__"))
        self.assertEqual(public, set(IMPORTED) | set(c[0] for c in CLASSES))
        self.assertEqual(tc.__name__, MODULE)
        self.assertIs(tc.os, os)
        for name in IMPORTED[1:7]:
            self.assertIs(getattr(tc, name), getattr(models, name), name)
        self.assertIs(tc.rutaBD, leerDatosFijos.rutaBD)
        self.assertIs(tc.fabricante, leerDatosFijos.fabricante)

    def test_imports_run_in_order_binding_each_name_at_once(self):
        # Each import and each name taken is recorded with the names the
        # catalogue's namespace holds at that moment.
        code = r'''
import __builtin__
original = __builtin__.__import__
seen = []
def bound():
    module = sys.modules["pyx.Quimbra.tablasCatalogo"]
    return sorted(k for k in vars(module) if not k.startswith("__"))
class Watched(object):
    def __init__(self, module):
        self.module = module
    def __getattr__(self, name):
        if not name.startswith("__"):
            seen.append(("take", name, bound()))
        return getattr(self.module, name)
def watching(name, globals=None, locals=None, fromlist=None, level=-1):
    module = original(name, globals, locals, fromlist, level)
    if globals and globals.get("__name__") == "pyx.Quimbra.tablasCatalogo":
        seen.append(("import", name, fromlist, level, globals is vars(sys.modules[globals["__name__"]]), bound()))
        if fromlist:
            return Watched(module)
    return module
__builtin__.__import__ = watching
import pyx.Quimbra.tablasCatalogo
__builtin__.__import__ = original
print repr(seen)
'''
        status, out, err = run(code)
        self.assertEqual(status, 0, err)
        expected, bound = [("import", "os", None, -1, True, [])], ["os"]
        for module, names in (("Quimbra.librerias.miDjangoModel_v124.models", IMPORTED[1:7]),
                              ("Quimbra.leerDatosFijos", IMPORTED[7:])):
            expected.append(("import", module, tuple(names), -1, True, sorted(bound)))
            for name in names:
                expected.append(("take", name, sorted(bound)))
                bound.append(name)
        self.assertEqual(eval(out), expected)

    def test_class_bodies_read_names_from_the_module_namespace_first(self):
        # Once the imports are done, `_` and `FloatField` are bound in the
        # catalogue's own namespace: the class bodies must use those, not
        # the built-in `_` nor the library's FloatField.
        code = r'''
seen = []
def mine(text):
    seen.append(text)
    return u"M[" + text + u"]"
class MyFloat(models.FloatField):
    pass
class FixedData(object):
    rutaBD = leerDatosFijos.rutaBD
    @property
    def fabricante(self):
        namespace = vars(sys.modules["pyx.Quimbra.tablasCatalogo"])
        namespace["_"] = mine
        namespace["FloatField"] = MyFloat
        return leerDatosFijos.fabricante
sys.modules["Quimbra.leerDatosFijos"] = FixedData()
del models.registro[:]
import pyx.Quimbra.tablasCatalogo as tc
floats = [(c.__name__, n, type(f).__name__) for c in vars(tc).values() if isinstance(c, type)
          for n, f in vars(c).items() if isinstance(f, models.FloatField)]
print repr((len(seen), sum(1 for e in models.registro if e[0] == "_"),
            tc.Equipo.nombreEquipo.verbose_name, sorted(set(t for _c, _n, t in floats)), len(floats)))
'''
        status, out, err = run(code)
        self.assertEqual(status, 0, err)
        floats = sum(1 for rows in BODIES.values() for row in rows if row[1] == "FloatField")
        self.assertEqual(eval(out), (103, 0, u"M[Nombre del equipo]", ["MyFloat"], floats))


class TableNamesTest(TestCase):

    def test_prefix_comes_from_the_fixed_data_of_each_process(self):
        code = r'''
import pyx.Quimbra.tablasCatalogo as tc
names = [(c, getattr(tc, c).nombreTabla) for c in sorted(vars(tc)) if hasattr(getattr(tc, c), "nombreTabla")]
print repr((names, tc.VersionActual.rutaBaseDatos is leerDatosFijos.rutaBD, tc.VersionActual.rutaBaseDatos))
'''
        concrete = sorted(c[0] for c in CLASSES if c[3])
        for prefix in (u"ñu", u"otro"):
            env = {"RECORDING_FABRICANTE": prefix.encode("utf-8"), "RECORDING_RUTA_BD": "otra.sqlite"}
            status, out, err = run(code, env)
            self.assertEqual(status, 0, err)
            names, same, ruta = eval(out)
            self.assertEqual([(c, type(t), t) for c, t in names],
                             [(c, unicode, prefix + u"_" + c) for c in concrete])
            self.assertTrue(same)
            self.assertEqual(ruta, "otra.sqlite")


if __name__ == "__main__":
    unittest.main()
