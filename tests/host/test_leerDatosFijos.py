# -*- coding: utf-8 -*-
"""Fixed data: embedded defaults and their environment overrides, each read
in a fresh interpreter since the module reads them once, at import."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HOST = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "host"))

LEER = ("import sys; sys.path.insert(0, sys.argv[1]); "
        "from Quimbra import leerDatosFijos as d; "
        "print repr((d.rutaBD, d.fabricante, d.DirectorioImagenes))")

VARIABLES = ("QUIMBRA_RUTA_BD", "QUIMBRA_FABRICANTE", "QUIMBRA_DIRECTORIO_IMAGENES")


class TestLeerDatosFijos(unittest.TestCase):

    def setUp(self):
        self.casa = tempfile.mkdtemp()

    def tearDown(self):
        shutil.rmtree(self.casa)

    def leer(self, **variables):
        entorno = dict((k, v) for k, v in os.environ.items() if k not in VARIABLES)
        entorno["HOME"] = self.casa
        entorno.update(variables)
        salida = subprocess.check_output([sys.executable, "-c", LEER, HOST], env=entorno)
        return eval(salida)

    def test_valores(self):
        porDefecto = (os.path.join(self.casa, ".quimbra", "catalogo.sqlite"), u"quimbra",
                      os.path.join(HOST, "Quimbra", "imagenes"))
        casos = [
            ({}, porDefecto),
            ({"QUIMBRA_RUTA_BD": "", "QUIMBRA_FABRICANTE": "", "QUIMBRA_DIRECTORIO_IMAGENES": ""},
             porDefecto),
            ({"QUIMBRA_RUTA_BD": "/datos/otro.sqlite", "QUIMBRA_FABRICANTE": "acmé",
              "QUIMBRA_DIRECTORIO_IMAGENES": "/datos/img"},
             ("/datos/otro.sqlite", u"acm\xe9", "/datos/img")),
        ]
        for variables, esperado in casos:
            valores = self.leer(**variables)
            self.assertEqual(valores, esperado, variables)
            self.assertIsInstance(valores[1], unicode)
        self.assertEqual(os.listdir(self.casa), [], "importing must not create the data folder")


if __name__ == "__main__":
    unittest.main()
