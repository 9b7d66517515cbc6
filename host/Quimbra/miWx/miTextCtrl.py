# -*- coding: utf-8 -*-
"""Text box of the application's windows, with a validating read."""

import wx

TAMANO_TEXTO_TITULO = 11


class MiTextCtrl(wx.TextCtrl):
    """A wx.TextCtrl whose GetValue can also refuse an empty entry.

    After a validating read, `mensajeError` is None when the entry was
    accepted, or the message of the refusal otherwise.
    """

    def __init__(self, *args, **kwargs):
        wx.TextCtrl.__init__(self, *args, **kwargs)
        self.mensajeError = None

    def SetFormatoTextoTitulo(self):
        """Font of a title being typed."""
        self.SetFont(wx.Font(TAMANO_TEXTO_TITULO, wx.FONTFAMILY_DEFAULT,
                             wx.FONTSTYLE_NORMAL, wx.FONTWEIGHT_NORMAL))

    def GetValue(self, mensajeError=None):
        """The text of the box.

        With mensajeError, a text that is empty or only blanks is refused:
        mensajeError is kept in self.mensajeError and returned, as the
        message to show. An accepted text sets self.mensajeError to None and
        is returned as it is.
        """
        texto = wx.TextCtrl.GetValue(self)
        if mensajeError is None:
            return texto
        if not texto.strip():
            self.mensajeError = mensajeError
            return mensajeError
        self.mensajeError = None
        return texto
