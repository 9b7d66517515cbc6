# -*- coding: utf-8 -*-
"""Picture button of the application's windows."""

import wx


class MiBitmapButton(wx.BitmapButton):
    """A wx.BitmapButton that shows a second picture under the pointer.

    Takes wx.BitmapButton's arguments plus the keyword `bitmapOver`: the
    picture shown while the pointer is over the button (none if omitted).
    """

    def __init__(self, *args, **kwargs):
        bitmapOver = kwargs.pop('bitmapOver', None)
        wx.BitmapButton.__init__(self, *args, **kwargs)
        self.bitmapOver = bitmapOver
        if bitmapOver is not None:
            self.SetBitmapCurrent(bitmapOver)
