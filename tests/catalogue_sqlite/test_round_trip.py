# -*- coding: utf-8 -*-
"""The catalogue over the host's SQLite model library: manufacturers and one
piece of equipment of each model saved as the data layer gives them
(manufacturer id as text, flags as "1"/"0") and read back unchanged.

The database lives in a folder of its own, named in the fixed data before
the catalogue is imported; the table prefix is set the same way.
"""
import atexit
import os
import shutil
import sqlite3
import sys
import tempfile
import unittest

FOLDER = tempfile.mkdtemp(prefix="catalogo-")
atexit.register(shutil.rmtree, FOLDER, True)
DATABASE = os.path.join(FOLDER, "datos", "catalogo.sqlite")
PREFIX = u"pruebañ"
os.environ["QUIMBRA_RUTA_BD"] = DATABASE
os.environ["QUIMBRA_FABRICANTE"] = PREFIX.encode("utf-8")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import pyxtest  # noqa: E402

pyxtest.use_paths(pyxtest.HOST, pyxtest.BUILD_PYTHON)

from Quimbra.arranque import instalarTraduccion  # noqa: E402
from Quimbra.librerias.miDjangoModel_v124 import models  # noqa: E402

instalarTraduccion()
import pyx.Quimbra.tablasCatalogo as tc  # noqa: E402

SERIES = [1.5, 2.0, 2.5, 3.0, 3.5, 4.0]
COMMON = {"nombreEquipo": u"Equipo ñ", "modelo": u"M-1", "precio": 1234.5, "orden": 2.0,
          "descripcionCatalan": u"Descripció en català"}

# model -> (keywords as the data layer gives them, what the instance holds
# once read back, besides COMMON)
EQUIPMENT = {
    "CalderaGasNatural": ({"potencia": 24.0, "tipoCaldera": u"mixtaInstantanea"},
                          {"potencia": 24.0, "tipoCaldera": u"mixtaInstantanea",
                           "servicioCubierto": u"soloCalefaccion", "imagen": u""}),
    "CalderaBiomasa": ({"rendimientoACS": 88.0, "imagen": u"caldera.png"},
                       {"rendimientoACS": 88.0, "imagen": u"caldera.png", "tipoCaldera": u"calefaccion"}),
    "CalderaGasoil": ({"rendimiento30_5030CalefaccionPCI": 97.5},
                      {"rendimiento30_5030CalefaccionPCI": 97.5, "potencia": None}),
    "BombaDeCalor": ({"esBdCDomestica": "1", "esBdCTerciario": "0", "depositoIntegrado": "1",
                      "listadoCOP": SERIES, "unidadInterior": u"agua"},
                     {"esBdCDomestica": True, "esBdCTerciario": False, "depositoIntegrado": True,
                      "listadoCOP": SERIES, "listadoEER": [0.0] * 6, "unidadInterior": u"agua",
                      "servicioCubierto": u"clima", "esTrifasica": u"mono", "ratedCOP": 0.0}),
    "Aerotermia": ({"esBdCDomestica": "0", "esBdCTerciario": "1", "depositoIntegrado": "0", "cop_35": 4.5},
                   {"esBdCDomestica": False, "esBdCTerciario": True, "depositoIntegrado": False,
                    "cop_35": 4.5, "servicioCubierto": u"mixto3"}),
    "AerotermiaACS": ({"esBdCDomestica": "0", "esBdCTerciario": "0", "depositoIntegrado": "1", "volumen": 200.0},
                      {"esBdCDomestica": False, "esBdCTerciario": False, "depositoIntegrado": True,
                       "volumen": 200.0, "servicioCubierto": u"soloACS"}),
    "Ventilacion": ({"controlByPass": "1", "caudalNominal": 150.0},
                    {"controlByPass": True, "caudalNominal": 150.0, "tipoServicio": u"Residencial"}),
    "SistemaHibrido": ({"bdc_cop": 3.2, "listadoCargaParcialFrio": SERIES},
                       {"bdc_cop": 3.2, "listadoCargaParcialFrio": SERIES, "listadoCOP": [0.0] * 6,
                        "servicioCubierto": u"mixto3", "ratedEER": 0.0}),
    "SolarTermica": ({"areaUtilSolar": 2.3, "clase": 1.0}, {"areaUtilSolar": 2.3, "clase": 1.0}),
}


class RoundTripTest(unittest.TestCase):
    longMessage = True

    @classmethod
    def setUpClass(cls):
        cls.first = tc.Fabricante(nombre=u"Fábrica Uno", imagen="/logos/uno.png")
        cls.first.save()
        cls.second = tc.Fabricante(nombre=u"Fábrica Dos")
        cls.second.save()
        cls.saved = {}
        for name, (given, _expected) in sorted(EQUIPMENT.items()):
            instance = getattr(tc, name)(fabricante=unicode(cls.second.id), **dict(COMMON, **given))
            instance.save()
            cls.saved[name] = instance

    def assertStored(self, instance, name, expected):
        self.assertIs(type(instance), getattr(tc, name), name)
        for field, value in sorted(dict(COMMON, **expected).items()):
            got = getattr(instance, field)
            self.assertEqual((type(got), got), (type(value), value), "%s.%s" % (name, field))
        self.assertIs(type(instance.fabricante), tc.Fabricante, name)
        self.assertEqual((instance.fabricante.id, instance.fabricante.nombre), (self.second.id, u"Fábrica Dos"))

    def test_manufacturers_read_back(self):
        self.assertEqual(self.first.imagen, "uno.png")
        stored = tc.Fabricante.objects.all()
        self.assertEqual([(f.id, f.nombre, f.imagen) for f in stored],
                         [(self.first.id, u"Fábrica Uno", u"uno.png"), (self.second.id, u"Fábrica Dos", u"")])
        self.assertEqual(unicode(tc.Fabricante.objects.get(id=self.first.id)), u"Fábrica Uno")

    def test_each_model_reads_back_what_was_saved(self):
        for name, (_given, expected) in sorted(EQUIPMENT.items()):
            saved = self.saved[name]
            self.assertEqual(saved.fabricante.id, self.second.id, name)
            cls = getattr(tc, name)
            self.assertStored(cls.objects.get(id=saved.id), name, expected)
            listed = cls.objects.all()
            self.assertEqual([i.id for i in listed], [saved.id], name)
            self.assertStored(listed[0], name, expected)
            self.assertEqual(unicode(listed[0]), u"Equipo ñ", name)

    def test_row_of_a_loaded_instance_names_its_manufacturer_by_id(self):
        for name in EQUIPMENT:
            loaded = getattr(tc, name).objects.get(id=self.saved[name].id)
            row = loaded.diccionarioTablaSqlite
            self.assertEqual((row["id"], row["fabricante"]), (loaded.id, self.second.id), name)

    def test_saving_a_loaded_instance_again_changes_nothing(self):
        loaded = tc.Ventilacion.objects.get(id=self.saved["Ventilacion"].id)
        loaded.save()
        again = tc.Ventilacion.objects.get(id=loaded.id)
        self.assertIs(again.controlByPass, True)
        self.assertEqual(len(tc.Ventilacion.objects.all()), 1)
        self.assertEqual(again.diccionarioTablaSqlite, loaded.diccionarioTablaSqlite)

    def test_false_bypass_round_trip(self):
        off = tc.Ventilacion(fabricante=unicode(self.first.id), nombreEquipo=u"sin by-pass", controlByPass="0")
        off.save()
        self.addCleanup(self.forget, tc.Ventilacion, off.id)
        loaded = tc.Ventilacion.objects.get(id=off.id)
        self.assertIs(loaded.controlByPass, False)
        self.assertEqual(loaded.fabricante.id, self.first.id)

    def test_version_record(self):
        tc.VersionActual({"version": 1.5, "descripcion": u"catálogo"}).save()
        tc.VersionActual(version=2.0).save()
        self.assertEqual([(v.version, v.descripcion) for v in tc.VersionActual.objects.all()],
                         [(1.5, u"catálogo"), (2.0, u"")])

    def test_tables_are_named_after_the_fixed_data(self):
        tc.VersionActual.crearTabla()
        connection = sqlite3.connect(DATABASE)
        try:
            tables = set(row[0] for row in connection.execute("SELECT name FROM sqlite_master WHERE type='table'"))
        finally:
            connection.close()
        concrete = ["VersionActual", "Fabricante"] + sorted(EQUIPMENT)
        self.assertEqual(tables - {u"sqlite_sequence"}, set(PREFIX + u"_" + name for name in concrete))

    def test_unknown_manufacturer_id_fails_with_the_librarys_error(self):
        with self.assertRaises(models.ObjetoNoExiste):
            tc.SolarTermica(fabricante=u"999", nombreEquipo=u"huérfano")

    @staticmethod
    def forget(cls, ident):
        connection = sqlite3.connect(DATABASE)
        try:
            with connection:
                connection.execute(u'DELETE FROM "%s" WHERE id = ?' % cls.nombreTabla, (ident,))
        finally:
            connection.close()


if __name__ == "__main__":
    unittest.main()
