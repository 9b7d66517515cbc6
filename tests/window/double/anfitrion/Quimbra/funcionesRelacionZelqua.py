# -*- coding: utf-8 -*-
"""Recording host hand-over, logged under "funcionesRelacionZelqua"."""

import registro


def actualizarPanelesAlternativas(*args, **kwargs):
    registro.anotar('funcionesRelacionZelqua',
                    'actualizarPanelesAlternativas', args, kwargs)


def cargarAlternativasBorvik(*args, **kwargs):
    registro.anotar('funcionesRelacionZelqua', 'cargarAlternativasBorvik',
                    args, kwargs)
