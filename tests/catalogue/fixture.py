# -*- coding: utf-8 -*-
"""The catalogue imported once for this suite, over the recording library.

The recording stand-in comes first on sys.path, so `Quimbra` is the one under
recording/.  `_` is the recording translation (u"T[" + text + u"]"), installed
before the import; IMPORT_LOG is what the library recorded during the import.
Tests clear models.registro before what they observe.

run() starts a fresh interpreter with the same paths, for what needs an
import of its own or could crash.
"""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "support"))

import pyxtest  # noqa: E402

RECORDING = os.path.join(HERE, "recording")
PATHS = [RECORDING, pyxtest.BUILD_PYTHON]
pyxtest.use_paths(*PATHS)

from Quimbra import leerDatosFijos  # noqa: E402
from Quimbra.librerias.miDjangoModel_v124 import models  # noqa: E402

models.instalarTraduccion()
del models.registro[:]
import pyx.Quimbra.tablasCatalogo as tc  # noqa: E402

IMPORT_LOG = list(models.registro)
MODULE = "pyx.Quimbra.tablasCatalogo"
SOURCE = os.path.join(pyxtest.REPO, "src", "tablasCatalogo")

# What every subprocess starts with: the recording library, `_` installed.
PREAMBLE = """\
import sys, traceback
from Quimbra import leerDatosFijos
from Quimbra.librerias.miDjangoModel_v124 import models
models.instalarTraduccion()
"""


class TestCase(unittest.TestCase):
    longMessage = True


def run(code, env=None, preamble=PREAMBLE):
    """(returncode, stdout, stderr) of `code` run after the preamble in a new
    interpreter on the recording library."""
    return pyxtest.run_python(preamble + code, PATHS, env)


def calls(kind):
    """The entries of the recording log of that kind, in order."""
    return [entry for entry in models.registro if entry[0] == kind]


def source_lines(file_name, *needles):
    """Numbers of the lines of one of our C++ sources that contain every
    one of the needles."""
    with open(os.path.join(SOURCE, file_name)) as source:
        return [number for number, line in enumerate(source, 1) if all(n in line for n in needles)]
