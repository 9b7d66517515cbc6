# -*- coding: utf-8 -*-
"""Fixed data of the application, read once at import.

rutaBD
    Path of the catalogue SQLite database.  Default: catalogo.sqlite in the
    per-user data folder ~/.quimbra (the model library creates the folder and
    the file on first use).  Environment: QUIMBRA_RUTA_BD.
fabricante
    Unicode prefix of the catalogue table names.  Default u"quimbra".
    Environment: QUIMBRA_FABRICANTE (decoded as UTF-8).
DirectorioImagenes
    Folder of the window's button pictures.  Default: the folder "imagenes"
    next to this module.  Environment: QUIMBRA_DIRECTORIO_IMAGENES.

An environment variable that is set but empty counts as unset.
"""

import os

_CARPETA_MODULO = os.path.dirname(os.path.abspath(__file__))


def _entorno(nombre, porDefecto):
    return os.environ.get(nombre) or porDefecto


rutaBD = _entorno("QUIMBRA_RUTA_BD",
                  os.path.join(os.path.expanduser("~"), ".quimbra", "catalogo.sqlite"))

fabricante = _entorno("QUIMBRA_FABRICANTE", u"quimbra")
if isinstance(fabricante, str):
    fabricante = fabricante.decode("utf-8")

DirectorioImagenes = _entorno("QUIMBRA_DIRECTORIO_IMAGENES",
                              os.path.join(_CARPETA_MODULO, "imagenes"))
