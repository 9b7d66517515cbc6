# -*- coding: utf-8 -*-
"""Puts the `wx` double and the host stand-ins first on sys.path."""

import os
import sys

AQUI = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(AQUI))
DOBLE = os.path.join(REPO, 'tests', 'window', 'double')
ANFITRION_GRABADOR = os.path.join(DOBLE, 'anfitrion')
HOST = os.path.join(REPO, 'host')
IMAGENES = os.path.join(HOST, 'Quimbra', 'imagenes')
HERRAMIENTAS = os.path.join(HOST, 'tools')

for _ruta in (HOST, DOBLE):
    if _ruta in sys.path:
        sys.path.remove(_ruta)
    sys.path.insert(0, _ruta)
