# -*- coding: utf-8 -*-
"""Recording stand-ins of the host modules that the naming window imports.

Put tests/window/double (for `wx` and `registro`) and this folder
(tests/window/double/anfitrion) on sys.path instead of host/. Every call the
window makes on these modules is appended to the shared log of registro.py,
in order with the `wx` double's entries:

- Quimbra.miWx.*: MiFrame, MiStaticText, MiTextCtrl, MiBitmapButton are the
  `wx` double's classes whose constructor is logged once, with the arguments
  exactly as given (bitmapOver included), and whose own methods are logged
  by name (SetFormatoTextoGrande, SetFormatoTextoTitulo, GetValue with its
  keyword mensajeError).
- Quimbra.variablesGlobales: reads and writes of its attributes are logged as
  ("variablesGlobales", "getattr", (name,), {}) and
  ("variablesGlobales", "setattr", (name, value), {}).
- Quimbra.idiomaComplemento._C, Quimbra.otrasFunciones.
  OnComprobarNombresConjuntosOAlternativas, Quimbra.funcionesRelacionZelqua.*:
  logged under the module's short name.
- Quimbra.modelsNuevos.Alternativa: construction, methods and attribute
  writes logged under "Alternativa#<n>".
- Quimbra.leerDatosFijos.DirectorioImagenes: host/Quimbra/imagenes.

registro.reiniciar() puts every knob and variablesGlobales back to its start.
"""
