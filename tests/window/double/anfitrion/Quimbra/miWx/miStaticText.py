# -*- coding: utf-8 -*-
import registro
import wx

from Quimbra.miWx import crear


class MiStaticText(wx.StaticText):
    def __init__(self, *args, **kwargs):
        crear(self, wx.StaticText, args, kwargs)

    def SetFormatoTextoGrande(self):
        registro.anotar(self, 'SetFormatoTextoGrande')
