# -*- coding: utf-8 -*-
"""Recording global state: every read and write of an attribute is logged.

The module puts an instance of _Modulo in its own place in sys.modules, so
that `import Quimbra.variablesGlobales as vg` gets the recording object.
registro.reiniciar() restores the start values below.
"""

import sys
import types

import registro

INICIALES = {'obraNueva': False, 'proyecto': None, 'alternativa': None,
             'alternativaCopia': None}


class _Modulo(types.ModuleType):
    def __getattribute__(self, nombre):
        if not nombre.startswith('_'):
            registro.anotar('variablesGlobales', 'getattr', (nombre,))
        return types.ModuleType.__getattribute__(self, nombre)

    def __setattr__(self, nombre, valor):
        if not nombre.startswith('_'):
            registro.anotar('variablesGlobales', 'setattr', (nombre, valor))
        types.ModuleType.__setattr__(self, nombre, valor)


_modulo = _Modulo(__name__, __doc__)
for _clave in ('__file__', '__package__'):
    types.ModuleType.__setattr__(_modulo, _clave, globals().get(_clave))
# keeps this module (and so the globals of _Modulo's methods) alive
types.ModuleType.__setattr__(_modulo, '_original', sys.modules[__name__])


@registro.alReiniciar
def _restaurar():
    for nombre in list(vars(_modulo)):
        if not nombre.startswith('_'):
            delattr(_modulo, nombre)
    for nombre, valor in INICIALES.items():
        types.ModuleType.__setattr__(_modulo, nombre, valor)


_restaurar()
sys.modules[__name__] = _modulo
