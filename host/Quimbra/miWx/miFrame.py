# -*- coding: utf-8 -*-
"""Base frame of the application's windows."""

import wx


class MiFrame(wx.Frame):
    """A wx.Frame with the application's defaults.

    Frames of the application keep the window that opened them in the plain
    attribute `parent`, set by their own constructor before this one runs;
    MiFrame leaves it alone. Modality is the frame's own MakeModal(bool).
    """

    def __init__(self, parent, id=-1, title=u'', pos=wx.DefaultPosition,
                 size=wx.DefaultSize, style=wx.DEFAULT_FRAME_STYLE,
                 name='frame'):
        wx.Frame.__init__(self, parent, id, title, pos, size, style, name)
