# -*- coding: utf-8 -*-
"""The host's model library stand-in, on throwaway models and a temporary
SQLite file."""

import os
import shutil
import sqlite3
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "host"))

from Quimbra.librerias.miDjangoModel_v124.models import (  # noqa: E402
    Model, Manager, ForeignKey, CharField, FloatField, BooleanField,
    ErrorModelo, ObjetoNoExiste)


class Marca(Model):
    objects = Manager()
    nombre = CharField(max_length=50, default='')
    nombreTabla = u"prueba_Marca"


class Base(object):
    marca = ForeignKey(Marca, verbose_name=u"Marca", related_name="%(class)s")
    nombreEquipo = CharField(max_length=500, verbose_name=u"Nombre")
    precio = FloatField(verbose_name=u"Precio (€)")


class Intermedia(Base):
    activo = BooleanField(verbose_name=u"Activo", default=False)
    serie = CharField(max_length=500, verbose_name=u"Serie", default=[0.0] * 3)


class Aparato(Model, Intermedia):
    """Model first among the bases; keeps what its initialiser receives."""
    objects = Manager()
    imagen = CharField(max_length=5000, default='')
    nombreTabla = u"prueba_Aparato"
    recibidos = []

    def __init__(self, **kwargs):
        Aparato.recibidos.append(dict(kwargs))
        super(Aparato, self).__init__(**kwargs)


class AparatoMixinPrimero(Intermedia, Model):
    objects = Manager()
    imagen = CharField(max_length=5000, default='')
    nombreTabla = u"prueba_AparatoMixinPrimero"


class Etiquetado(Model):
    """Overrides the row dictionary, as the catalogue's models do."""
    objects = Manager()
    nombre = CharField(max_length=50)
    nombreTabla = u"prueba_Etiquetado"

    @property
    def diccionarioTablaSqlite(self):
        fila = super(Etiquetado, self).diccionarioTablaSqlite
        fila["nombre"] = u"desde la propiedad"
        return fila


MODELOS = (Marca, Aparato, AparatoMixinPrimero, Etiquetado)
ORDEN_APARATO = ["marca", "nombreEquipo", "precio", "activo", "serie", "imagen"]


class TestDeclaracion(unittest.TestCase):

    def test_campos_de_mixins_en_orden_de_declaracion_sea_cual_sea_el_orden_de_bases(self):
        for modelo in (Aparato, AparatoMixinPrimero):
            self.assertEqual([n for n, _ in modelo.campos()], ORDEN_APARATO, modelo.__name__)
        self.assertIs(type(Intermedia), type)

    def test_campos_conservan_sus_argumentos(self):
        campos = dict(Aparato.campos())
        self.assertIs(campos["marca"].to, Marca)
        self.assertEqual(campos["marca"].related_name, "%(class)s")
        self.assertEqual(campos["precio"].verbose_name, u"Precio (€)")
        self.assertEqual(campos["serie"].max_length, 500)
        self.assertIs(campos["serie"], Intermedia.__dict__["serie"])

    def test_subclase_puede_ocultar_un_campo_heredado(self):
        class SinPrecio(Aparato):
            precio = None
        self.assertNotIn("precio", dict(SinPrecio.campos()))

    def test_id_no_puede_ser_un_campo(self):
        with self.assertRaises(ErrorModelo):
            class ConId(Model):
                id = FloatField()

    def test_model_no_tiene_tabla(self):
        with self.assertRaises(ErrorModelo):
            Model.crearTabla()


class TestInstancia(unittest.TestCase):

    def test_valores_por_defecto(self):
        a, b = Aparato(), Aparato()
        self.assertEqual(
            (a.id, a.marca, a.nombreEquipo, a.precio, a.activo, a.serie, a.imagen),
            (None, None, None, None, False, [0.0, 0.0, 0.0], ''))
        a.serie.append(9.0)
        self.assertEqual(b.serie, [0.0, 0.0, 0.0])
        self.assertEqual(dict(Aparato.campos())["serie"].default, [0.0, 0.0, 0.0])

    def test_argumentos_rechazados(self):
        with self.assertRaisesRegexp(TypeError, "'potencia'"):
            Aparato(nombreEquipo=u"x", potencia=3.0)
        with self.assertRaises(TypeError):
            Marca(u"posicional")

    def test_diccionario_de_fila(self):
        marca = Marca(id=4)
        casos = [
            # marca given as      stored under "marca"
            (marca, 4),
            (u"7", u"7"),
            (None, None),
        ]
        for valor, esperado in casos:
            a = Aparato(id=2, marca=valor, nombreEquipo=u"n", activo=True)
            fila = a.diccionarioTablaSqlite
            self.assertEqual(fila, {"id": 2, "marca": esperado, "nombreEquipo": u"n",
                                    "precio": None, "activo": True,
                                    "serie": [0.0, 0.0, 0.0], "imagen": ''})
            self.assertIsNot(fila, a.diccionarioTablaSqlite)


class TestAlmacenamiento(unittest.TestCase):

    def setUp(self):
        self.carpeta = tempfile.mkdtemp()
        self.ruta = os.path.join(self.carpeta, "nueva", "catalogo.sqlite")
        for modelo in MODELOS:
            modelo.rutaBaseDatos = self.ruta
        del Aparato.recibidos[:]

    def tearDown(self):
        for modelo in MODELOS:
            del modelo.rutaBaseDatos
        shutil.rmtree(self.carpeta)

    def test_tabla_ausente(self):
        self.assertEqual(Aparato.objects.all(), [])
        self.assertTrue(os.path.isfile(self.ruta))
        with self.assertRaises(ObjetoNoExiste) as error:
            Marca.objects.get(id=12)
        self.assertIsInstance(error.exception, LookupError)
        self.assertIn("Marca", str(error.exception))
        self.assertIn("12", str(error.exception))

    def test_insertar_y_actualizar(self):
        primera, segunda = Marca(nombre=u"A"), Marca(nombre=u"B")
        primera.save()
        segunda.save()
        self.assertEqual((primera.id, segunda.id), (1, 2))
        primera.nombre = u"A2"
        primera.save()
        self.assertEqual([(m.id, m.nombre) for m in Marca.objects.all()],
                         [(1, u"A2"), (2, u"B")])
        Marca(id=9, nombre=u"C").save()
        self.assertEqual(Marca.objects.get(id=9).nombre, u"C")

    def test_filas_llegan_al_inicializador_como_las_entrega_la_capa_de_datos(self):
        marca = Marca(nombre=u"Acmé")
        marca.save()
        Aparato(marca=marca, nombreEquipo=u"Caldera °º", precio=3, activo=True,
                serie=[1.5, 2.0, 3.0]).save()
        Aparato(marca=None, activo=False).save()
        del Aparato.recibidos[:]

        primero = Aparato.objects.get(id=1)
        todos = Aparato.objects.all()

        esperados = [
            {"id": 1, "marca": u"1", "nombreEquipo": u"Caldera °º", "precio": 3.0,
             "activo": "1", "serie": [1.5, 2.0, 3.0], "imagen": u""},
            {"id": 2, "marca": None, "nombreEquipo": None, "precio": None,
             "activo": "0", "serie": [0.0, 0.0, 0.0], "imagen": u""},
        ]
        self.assertEqual(Aparato.recibidos, [esperados[0]] + esperados)
        self.assertEqual(dict((k, type(v)) for k, v in Aparato.recibidos[0].items()),
                         {"id": int, "marca": unicode, "nombreEquipo": unicode, "precio": float,
                          "activo": str, "serie": list, "imagen": unicode})
        self.assertIsInstance(primero, Aparato)
        self.assertEqual([a.id for a in todos], [1, 2])

    def test_save_lee_la_propiedad_sobrescrita(self):
        e = Etiquetado(nombre=u"original")
        e.save()
        self.assertEqual(Etiquetado.objects.get(id=e.id).nombre, u"desde la propiedad")

    def test_tabla_antigua_recibe_las_columnas_nuevas(self):
        os.makedirs(os.path.dirname(self.ruta))
        con = sqlite3.connect(self.ruta)
        con.execute('CREATE TABLE "prueba_Marca" ("id" INTEGER PRIMARY KEY)')
        con.execute('INSERT INTO "prueba_Marca" VALUES (5)')
        con.commit()
        con.close()
        Marca(nombre=u"nueva").save()
        self.assertEqual([(m.id, m.nombre) for m in Marca.objects.all()],
                         [(5, None), (6, u"nueva")])


if __name__ == "__main__":
    unittest.main()
