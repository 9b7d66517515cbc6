# -*- coding: utf-8 -*-
"""Recording name check, logged under "otrasFunciones".

It answers as the host's does (the first object of the list whose `nombre`
equals the name, else None), unless a test sets `respuesta` to something
other than SIN_RESPUESTA: then that is returned (reset by reiniciar())."""

import registro

SIN_RESPUESTA = object()
respuesta = SIN_RESPUESTA


def OnComprobarNombresConjuntosOAlternativas(*args, **kwargs):
    registro.anotar('otrasFunciones',
                    'OnComprobarNombresConjuntosOAlternativas', args, kwargs)
    if respuesta is not SIN_RESPUESTA:
        return respuesta
    listadoObjetos, nombre = args
    for objeto in listadoObjetos or ():
        if getattr(objeto, 'nombre', None) == nombre:
            return objeto
    return None


@registro.alReiniciar
def _restaurar():
    global respuesta
    respuesta = SIN_RESPUESTA
