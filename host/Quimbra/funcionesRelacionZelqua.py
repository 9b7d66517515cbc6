# -*- coding: utf-8 -*-
"""Hand-over of the alternatives to the host application.

Each function counts its calls in `llamadas` and then runs the listeners
registered with alLlamar(funcion), called with the function's name.
"""

llamadas = {'actualizarPanelesAlternativas': 0, 'cargarAlternativasBorvik': 0}
_oyentes = []


def alLlamar(funcion):
    """Register funcion(nombre) to run after each call of this module."""
    _oyentes.append(funcion)
    return funcion


def _avisar(nombre):
    llamadas[nombre] += 1
    for funcion in list(_oyentes):
        funcion(nombre)


def actualizarPanelesAlternativas():
    """Refresh the alternatives panels."""
    _avisar('actualizarPanelesAlternativas')


def cargarAlternativasBorvik():
    """Load the project's alternatives into the host."""
    _avisar('cargarAlternativasBorvik')
