# -*- coding: utf-8 -*-
"""The project's alternatives.

An alternative is built from the project's base case, then rated; a stored
copy alternative can be applied back to the base case. Each step leaves its
mark in `historial`, oldest first.
"""


class Alternativa(object):

    def __init__(self):
        self.proyecto = None
        self.nombre = u''
        self.creadaDesdeCasoBase = False
        self.calificacion = None
        self.historial = []

    def crearAlternativaDesdeCasoBase(self):
        self.creadaDesdeCasoBase = True
        self.historial.append('crearAlternativaDesdeCasoBase')

    def calculoCalificacion(self):
        """Rate the alternative; it must have been built from the base case."""
        if not self.creadaDesdeCasoBase:
            raise RuntimeError('calculoCalificacion: %r has not been built '
                               'from the base case' % (self.nombre,))
        self.calificacion = u'C'
        self.historial.append('calculoCalificacion')

    def aplicarACasoBase(self):
        self.historial.append('aplicarACasoBase')

    def __unicode__(self):
        return self.nombre

    def __repr__(self):
        return '<Alternativa %r>' % (self.nombre,)
