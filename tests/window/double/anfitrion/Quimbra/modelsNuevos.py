# -*- coding: utf-8 -*-
"""Recording Alternativa: construction, the three methods and the writes of
its attributes are logged under "Alternativa#<n>"."""

import registro


class Alternativa(registro.AtributosRegistrados):
    def __init__(self, *args, **kwargs):
        registro.anotar(self, '__init__', args, kwargs)
        with registro.silencio():
            self.proyecto = None
            self.nombre = u''

    def crearAlternativaDesdeCasoBase(self, *args, **kwargs):
        registro.anotar(self, 'crearAlternativaDesdeCasoBase', args, kwargs)

    def calculoCalificacion(self, *args, **kwargs):
        registro.anotar(self, 'calculoCalificacion', args, kwargs)

    def aplicarACasoBase(self, *args, **kwargs):
        registro.anotar(self, 'aplicarACasoBase', args, kwargs)
