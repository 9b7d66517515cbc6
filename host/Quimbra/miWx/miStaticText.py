# -*- coding: utf-8 -*-
"""Caption control of the application's windows."""

import wx

TAMANO_TEXTO_GRANDE = 12


class MiStaticText(wx.StaticText):
    """A wx.StaticText with the application's text formats."""

    def SetFormatoTextoGrande(self):
        """Large bold caption."""
        self.SetFont(wx.Font(TAMANO_TEXTO_GRANDE, wx.FONTFAMILY_DEFAULT,
                             wx.FONTSTYLE_NORMAL, wx.FONTWEIGHT_BOLD))
