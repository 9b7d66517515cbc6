# -*- coding: utf-8 -*-
"""Global state of the application, shared by its windows.

obraNueva
    True while the project is a new building: the naming window then names
    alternatives; otherwise it names sets of improvement measures.
proyecto
    The open project, or None.
alternativa
    The alternative being defined, or None.
alternativaCopia
    The stored copy alternative to apply to the base case, or None.
alternativas, conjuntos
    The project's alternatives and sets of improvement measures.
"""

obraNueva = False
proyecto = None
alternativa = None
alternativaCopia = None

alternativas = []
conjuntos = []
