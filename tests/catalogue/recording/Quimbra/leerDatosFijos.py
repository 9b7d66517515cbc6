# -*- coding: utf-8 -*-
"""Fixed data for the catalogue's tests, read once at import.

rutaBD      RECORDING_RUTA_BD (default "registro.sqlite"; only passed on,
            never opened).
fabricante  RECORDING_FABRICANTE decoded as UTF-8 (default u"registro").

Run two processes with two values to see them reach the table names.
"""

import os

rutaBD = os.environ.get("RECORDING_RUTA_BD", "registro.sqlite")

fabricante = os.environ.get("RECORDING_FABRICANTE", "registro").decode("utf-8")
