# -*- coding: utf-8 -*-
import wx

from Quimbra.miWx import crear


class MiFrame(wx.Frame):
    def __init__(self, *args, **kwargs):
        crear(self, wx.Frame, args, kwargs)
