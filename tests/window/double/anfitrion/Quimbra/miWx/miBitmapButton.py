# -*- coding: utf-8 -*-
import registro
import wx

from Quimbra.miWx import crear


class MiBitmapButton(wx.BitmapButton):
    def __init__(self, *args, **kwargs):
        crear(self, wx.BitmapButton, args, kwargs, propios=('bitmapOver',))
        self.bitmapOver = kwargs.get('bitmapOver')
        if self.bitmapOver is not None:
            with registro.silencio():
                self.SetBitmapCurrent(self.bitmapOver)
