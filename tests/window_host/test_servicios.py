# -*- coding: utf-8 -*-
"""The host's project services that the naming window calls."""

import unittest

import rutas  # noqa: F401  (sys.path)
from Quimbra import funcionesRelacionZelqua, idiomaComplemento
from Quimbra.idiomaComplemento import _C
from Quimbra.modelsNuevos import Alternativa
from Quimbra.otrasFunciones import OnComprobarNombresConjuntosOAlternativas


class Nombrado(object):
    def __init__(self, nombre):
        self.nombre = nombre


class ComprobarNombreTest(unittest.TestCase):
    def test_tabla(self):
        a, b = Nombrado(u'Alt 1'), Nombrado(u'Alt 2')
        sinNombre = object()
        casos = [
            ([a, b], u'Alt 2', b),
            ([a, b], u'Alt 3', None),
            ([a, b], u'alt 1', None),
            ([a, Nombrado(u'Alt 1')], u'Alt 1', a),
            ([sinNombre, a], u'Alt 1', a),
            ([], u'Alt 1', None),
            (None, u'Alt 1', None),
            ((a,), u'Alt 1', a),
        ]
        for lista, nombre, esperado in casos:
            self.assertIs(OnComprobarNombresConjuntosOAlternativas(lista,
                                                                   nombre),
                          esperado, (lista, nombre))


class AlternativaTest(unittest.TestCase):
    def test_nueva_y_escribible(self):
        alternativa = Alternativa()
        self.assertIsNone(alternativa.proyecto)
        alternativa.proyecto, alternativa.nombre = 'P', u'Alt'
        self.assertEqual((alternativa.proyecto, alternativa.nombre),
                         ('P', u'Alt'))

    def test_desde_caso_base_calificada_y_aplicada(self):
        alternativa = Alternativa()
        alternativa.crearAlternativaDesdeCasoBase()
        alternativa.calculoCalificacion()
        alternativa.aplicarACasoBase()
        self.assertEqual(alternativa.historial,
                         ['crearAlternativaDesdeCasoBase',
                          'calculoCalificacion', 'aplicarACasoBase'])
        self.assertIsNotNone(alternativa.calificacion)

    def test_calificar_antes_de_crear_falla(self):
        alternativa = Alternativa()
        self.assertRaises(RuntimeError, alternativa.calculoCalificacion)
        self.assertEqual(alternativa.historial, [])


class TraduccionTest(unittest.TestCase):
    def tearDown(self):
        idiomaComplemento.instalarTabla(None)

    def test_sin_tabla_devuelve_el_texto(self):
        self.assertEqual(_C(u'Alternativa %s'), u'Alternativa %s')

    def test_con_tabla(self):
        idiomaComplemento.instalarTabla({u'Aviso': u'Warning',
                                         u'Alternativa %s': u'Option %s'})
        for texto, esperado in [(u'Aviso', u'Warning'),
                                (u'Alternativa %s', u'Option %s'),
                                (u'Aceptar', u'Aceptar')]:
            self.assertEqual(_C(texto), esperado)
        self.assertEqual(_C(u'Alternativa %s') % u'x', u'Option x')

    def test_traduccion_que_pierde_su_marcador_se_rechaza(self):
        for mala in [u'Option', u'Option %s %s', u'Option %d']:
            self.assertRaises(ValueError, idiomaComplemento.instalarTabla,
                              {u'Alternativa %s': mala})
        # the table in force stays as it was
        self.assertEqual(_C(u'Alternativa %s'), u'Alternativa %s')


class RelacionHostTest(unittest.TestCase):
    def test_cuentan_y_avisan(self):
        vistos = []
        funcionesRelacionZelqua.alLlamar(vistos.append)
        antes = dict(funcionesRelacionZelqua.llamadas)
        funcionesRelacionZelqua.actualizarPanelesAlternativas()
        funcionesRelacionZelqua.cargarAlternativasBorvik()
        funcionesRelacionZelqua.cargarAlternativasBorvik()
        funcionesRelacionZelqua._oyentes.remove(vistos.append)
        self.assertEqual(vistos, ['actualizarPanelesAlternativas',
                                  'cargarAlternativasBorvik',
                                  'cargarAlternativasBorvik'])
        cambio = dict((k, funcionesRelacionZelqua.llamadas[k] - antes[k])
                      for k in antes)
        self.assertEqual(cambio, {'actualizarPanelesAlternativas': 1,
                                  'cargarAlternativasBorvik': 2})


if __name__ == '__main__':
    unittest.main()
