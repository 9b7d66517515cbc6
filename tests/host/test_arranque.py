# -*- coding: utf-8 -*-
"""Installation of the translation function among the builtins."""

import __builtin__
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "host"))

from Quimbra.arranque import instalarTraduccion  # noqa: E402

_AUSENTE = object()


class TestInstalarTraduccion(unittest.TestCase):

    def setUp(self):
        self.anterior = getattr(__builtin__, "_", _AUSENTE)

    def tearDown(self):
        if self.anterior is _AUSENTE:
            if hasattr(__builtin__, "_"):
                del __builtin__._
        else:
            __builtin__._ = self.anterior

    def test_traduccion(self):
        tabla = {u"Potencia kW": u"Potència kW"}
        casos = [
            # table, text, expected
            (None, u"Potencia kW", u"Potencia kW"),
            (tabla, u"Potencia kW", u"Potència kW"),
            (tabla, u"Orden", u"Orden"),
        ]
        for tablaDada, texto, esperado in casos:
            instalarTraduccion(tablaDada)
            self.assertEqual(eval("_(texto)", {"texto": texto}), esperado)

    def test_tabla_copiada_al_instalar(self):
        tabla = {u"a": u"b"}
        instalarTraduccion(tabla)
        tabla[u"a"] = u"c"
        self.assertEqual(__builtin__._(u"a"), u"b")

    def test_tabla_que_no_es_dict(self):
        with self.assertRaises(TypeError):
            instalarTraduccion([(u"a", u"b")])


if __name__ == "__main__":
    unittest.main()
