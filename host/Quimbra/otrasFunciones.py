# -*- coding: utf-8 -*-
"""Assorted helpers of the application's windows."""


def OnComprobarNombresConjuntosOAlternativas(listadoObjetos, nombre):
    """The first object of listadoObjetos whose `nombre` equals nombre, or
    None when the name is free (also for an empty or None list)."""
    for objeto in listadoObjetos or ():
        if getattr(objeto, 'nombre', None) == nombre:
            return objeto
    return None
