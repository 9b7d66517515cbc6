# -*- coding: utf-8 -*-
"""Fixed data for the window tests: the host's own button pictures."""

import os

_REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(
    __file__)), os.pardir, os.pardir, os.pardir, os.pardir, os.pardir))

DirectorioImagenes = os.path.join(_REPO, 'host', 'Quimbra', 'imagenes')
