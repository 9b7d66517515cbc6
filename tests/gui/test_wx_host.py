# -*- coding: utf-8 -*-
"""The application's window wrappers (host/Quimbra/miWx) on the real wx."""
import os
import unittest

import screen
from screen import pyxtest, wx

from Quimbra.miWx.miBitmapButton import MiBitmapButton
from Quimbra.miWx.miFrame import MiFrame
from Quimbra.miWx.miStaticText import MiStaticText
from Quimbra.miWx.miTextCtrl import MiTextCtrl

IMAGES = os.path.join(pyxtest.HOST, "Quimbra", "imagenes")


class Ventana(MiFrame):
    def __init__(self, parent):
        self.parent = parent
        MiFrame.__init__(self, parent, title=u"Título", size=(400, 150),
                         style=wx.DEFAULT_FRAME_STYLE | wx.FRAME_FLOAT_ON_PARENT)


class Wrappers(unittest.TestCase):
    def setUp(self):
        self.frame = Ventana(None)

    def tearDown(self):
        screen.close_all()

    def test_mi_frame(self):
        self.assertIsNone(self.frame.parent)
        self.assertEqual((self.frame.GetTitle(), self.frame.GetSize()), (u"Título", (400, 150)))
        child = Ventana(self.frame)
        self.assertIs(child.parent, self.frame)
        self.assertIs(child.GetParent(), self.frame)

    def test_mi_text_ctrl_refuses_a_blank_name(self):
        box = MiTextCtrl(self.frame, id=0, size=wx.Size(50, 41), value=u"",
                         style=wx.TE_MULTILINE | wx.TE_WORDWRAP)
        cases = [
            (u"", u"Indique un nombre", u"Indique un nombre"),
            (u"   ", u"Indique un nombre", u"Indique un nombre"),
            (u"Conjunto 1", None, u"Conjunto 1"),
        ]
        for typed, refusal, returned in cases:
            box.SetValue(typed)
            self.assertEqual(box.GetValue(), typed)
            self.assertEqual(box.GetValue(mensajeError=u"Indique un nombre"), returned)
            self.assertEqual(box.mensajeError, refusal)
        self.assertEqual(box.GetId(), 0)

    def test_mi_static_text_formats(self):
        caption = MiStaticText(self.frame, -1, u"")
        caption.SetFormatoTextoGrande()
        self.assertEqual(caption.GetFont().GetWeight(), wx.FONTWEIGHT_BOLD)

    def test_mi_bitmap_button_shows_its_hover_picture(self):
        normal = wx.Bitmap(os.path.join(IMAGES, "botonCerrar.png"))
        over = wx.Bitmap(os.path.join(IMAGES, "botonCerrar_Over.png"))
        button = MiBitmapButton(self.frame, id=-1, bitmap=normal, bitmapOver=over, size=normal.GetSize())
        self.assertIs(button.bitmapOver, over)
        self.assertEqual(button.GetSize(), normal.GetSize())
        self.assertTrue(button.GetBitmapCurrent().IsOk())
        pressed = []
        button.Bind(wx.EVT_BUTTON, pressed.append)
        self.frame.Show()
        screen.click(button)
        self.assertTrue(screen.until(lambda: pressed))

    def test_a_missing_picture_still_makes_a_button(self):
        missing = wx.Bitmap(os.path.join(IMAGES, "no-existe.png"))
        button = MiBitmapButton(self.frame, id=-1, bitmap=missing, bitmapOver=missing, size=missing.GetSize())
        self.assertFalse(button.GetBitmapLabel().IsOk())


if __name__ == "__main__":
    unittest.main()
