# -*- coding: utf-8 -*-
"""Recording window wrappers over the `wx` double."""

import registro


def crear(objeto, base, args, kwargs, propios=()):
    """Log objeto's construction as called, then build its `wx` base
    silently, without the wrapper's own keywords `propios`."""
    registro.anotar(objeto, '__init__', args, kwargs)
    resto = dict((k, v) for k, v in kwargs.items() if k not in propios)
    with registro.silencio():
        base.__init__(objeto, *args, **resto)
