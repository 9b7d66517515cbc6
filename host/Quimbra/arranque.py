# -*- coding: utf-8 -*-
"""Start-up steps of the application that other modules rely on."""

import __builtin__


def instalarTraduccion(tabla=None):
    """Installs the translation function ``_`` among the builtins and returns
    it.  Without a table ``_`` returns its argument; with a dict it returns
    the table's entry for the text, or the text itself when it has none.  The
    table is copied: later changes to the caller's dict are not seen."""
    if tabla is None:
        def _(texto):
            return texto
    elif isinstance(tabla, dict):
        traducciones = dict(tabla)

        def _(texto):
            return traducciones.get(texto, texto)
    else:
        raise TypeError("instalarTraduccion: the table must be a dict, not %s"
                        % type(tabla).__name__)
    __builtin__._ = _
    return _
