# -*- coding: utf-8 -*-
"""Recording MiTextCtrl.

GetValue(mensajeError=m) gives the text and m to `validacion(texto, m)`,
which returns (new mensajeError, value to return). By default it refuses an
empty or blank text as the host's box does: (m, m), else (None, texto). A
test may replace it on one box (cuadro.validacion = f) or on the class
(MiTextCtrl.validacion = staticmethod(f)); registro.reiniciar() restores it.
"""

import registro
import wx

from Quimbra.miWx import crear


def validacionHabitual(texto, mensajeError):
    if not texto.strip():
        return mensajeError, mensajeError
    return None, texto


class MiTextCtrl(wx.TextCtrl):
    validacion = staticmethod(validacionHabitual)

    def __init__(self, *args, **kwargs):
        crear(self, wx.TextCtrl, args, kwargs)
        self.mensajeError = None

    def SetFormatoTextoTitulo(self):
        registro.anotar(self, 'SetFormatoTextoTitulo')

    def GetValue(self, *args, **kwargs):
        registro.anotar(self, 'GetValue', args, kwargs)
        with registro.silencio():
            texto = wx.TextCtrl.GetValue(self)
        if not args and not kwargs:
            return texto
        mensajeError = args[0] if args else kwargs['mensajeError']
        if mensajeError is None:
            return texto
        self.mensajeError, devuelto = self.validacion(texto, mensajeError)
        return devuelto


@registro.alReiniciar
def _restaurar():
    MiTextCtrl.validacion = staticmethod(validacionHabitual)
