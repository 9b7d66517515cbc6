# -*- coding: utf-8 -*-
"""Translation of the complement's texts.

_C(texto) returns the translation of texto in the installed table, or texto
itself when there is none. A translation must keep the same "%s"
placeholders as its text, so that formatting it stays valid.
"""

_tabla = {}


def instalarTabla(tabla=None):
    """Install a dict of translations (None: no translation). The table is
    copied. Raises ValueError when a translation changes the number of
    "%s" placeholders of its text."""
    nueva = dict(tabla or {})
    for texto, traduccion in nueva.items():
        if texto.count(u'%s') != traduccion.count(u'%s'):
            raise ValueError('instalarTabla: the translation of %r must keep '
                             'its %%s placeholders' % (texto,))
    _tabla.clear()
    _tabla.update(nueva)


def _C(texto):
    return _tabla.get(texto, texto)
