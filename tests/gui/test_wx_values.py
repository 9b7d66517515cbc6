# -*- coding: utf-8 -*-
"""Sizes, points, pictures, fonts, tooltips, texts and the constants."""
import imp
import os
import sys
import unittest

import screen
from screen import pyxtest, wx

IMAGES = os.path.join(pyxtest.HOST, "Quimbra", "imagenes")


class Pairs(unittest.TestCase):
    def test_a_size_behaves_as_the_tuple_of_its_two_values(self):
        size = wx.Size(50, 41)
        checks = [
            ("len", len(size), 2),
            ("index", (size[0], size[1], size[-1]), (50, 41, 41)),
            ("slice", size[:], (50, 41)),
            ("unpacking", tuple(size), (50, 41)),
            ("Get", size.Get(), (50, 41)),
            ("attributes", (size.width, size.height, size.x, size.y), (50, 41, 50, 41)),
            ("equal to a tuple", size == (50, 41), True),
            ("equal to a Size", size == wx.Size(50, 41), True),
            ("different", size != (41, 50), True),
            ("not equal to other things", size == "50x41", False),
            ("repr", repr(size), "wx.Size(50, 41)"),
            ("truth of zero", bool(wx.Size()), False),
            ("defaults", wx.DefaultSize, (-1, -1)),
        ]
        for name, got, expected in checks:
            self.assertEqual(got, expected, name)
        self.assertRaises(IndexError, lambda: size[2])
        self.assertRaises(TypeError, hash, size)

    def test_writes(self):
        size = wx.Size(1, 2)
        size.width = 7
        size.SetHeight(8)
        self.assertEqual(size, (7, 8))
        size.Set(3, 4)
        self.assertEqual((size.GetWidth(), size.GetHeight()), (3, 4))
        self.assertRaises(TypeError, setattr, size, "width", 1.5)

    def test_a_point(self):
        point = wx.Point(3, -4)
        self.assertEqual((point.x, point.y, tuple(point), repr(point)), (3, -4, (3, -4), "wx.Point(3, -4)"))
        self.assertEqual(wx.DefaultPosition, (-1, -1))


class Pictures(unittest.TestCase):
    """Each case: a file name, whether it loads, its size."""

    CASES = [
        ("a PNG of the host", os.path.join(IMAGES, "botonAceptar.png"), True, screen.png_size),
        ("a missing file", os.path.join(IMAGES, "no-existe.png"), False, None),
        ("an empty name", "", False, None),
        ("a file that is not a picture", os.path.abspath(__file__), False, None),
        ("a unicode name", unicode(os.path.join(IMAGES, "botonCerrar.png")), True, screen.png_size),
    ]

    def test_cases(self):
        for name, path, ok, measure in self.CASES:
            bitmap = wx.Bitmap(path)
            self.assertEqual(bitmap.IsOk(), ok, name)
            expected = measure(path) if ok else (-1, -1)
            self.assertEqual(bitmap.GetSize(), expected, name)
            self.assertEqual((bitmap.GetWidth(), bitmap.GetHeight()), expected, name)
        self.assertFalse(wx.NullBitmap.IsOk())

    def test_the_hover_picture_of_a_button(self):
        frame = wx.Frame(None)
        normal = wx.Bitmap(os.path.join(IMAGES, "botonAceptar.png"))
        over = wx.Bitmap(os.path.join(IMAGES, "botonAceptar_Over.png"))
        button = wx.BitmapButton(frame, -1, bitmap=normal, size=normal.GetSize())
        self.assertFalse(button.GetBitmapCurrent().IsOk())
        button.SetBitmapHover(over)
        self.assertTrue(button.GetBitmapCurrent().IsOk())
        self.assertEqual(button.GetBitmapLabel().GetSize(), normal.GetSize())
        frame.Destroy()


class Fonts(unittest.TestCase):
    def test_what_a_font_is_made_with_it_reports(self):
        cases = [
            ("bold", (12, wx.FONTFAMILY_DEFAULT, wx.FONTSTYLE_NORMAL, wx.FONTWEIGHT_BOLD), wx.FONTWEIGHT_BOLD),
            ("classic wx.BOLD", (11, wx.DEFAULT, wx.NORMAL, wx.BOLD), wx.FONTWEIGHT_BOLD),
            ("normal", (9, wx.FONTFAMILY_SWISS, wx.FONTSTYLE_ITALIC, wx.FONTWEIGHT_NORMAL), wx.FONTWEIGHT_NORMAL),
        ]
        for name, args, weight in cases:
            font = wx.Font(*args)
            self.assertTrue(font.IsOk(), name)
            self.assertEqual((font.GetPointSize(), font.GetStyle(), font.GetWeight()), (args[0], args[2], weight),
                             name)

    def test_a_window_takes_the_font(self):
        frame = wx.Frame(None)
        text = wx.StaticText(frame, label=u"x")
        text.SetFont(wx.Font(14, wx.FONTFAMILY_DEFAULT, wx.FONTSTYLE_NORMAL, wx.FONTWEIGHT_BOLD))
        self.assertEqual((text.GetFont().GetPointSize(), text.GetFont().GetWeight()), (14, wx.FONTWEIGHT_BOLD))
        frame.Destroy()


class Texts(unittest.TestCase):
    def setUp(self):
        self.frame = wx.Frame(None)

    def tearDown(self):
        screen.close_all()

    def test_texts_come_back_as_unicode(self):
        box = wx.TextCtrl(self.frame, style=wx.TE_MULTILINE | wx.TE_WORDWRAP)
        for given, expected in [(u"Año 2º · Î·", u"Año 2º · Î·"), ("utf-8 a\xc3\xb1o", u"utf-8 año"),
                                (u"dos\nlíneas", u"dos\nlíneas"), (u"", u"")]:
            box.SetValue(given)
            self.assertEqual(box.GetValue(), expected)
            self.assertIsInstance(box.GetValue(), unicode)
        self.assertRaises(UnicodeDecodeError, box.SetValue, "\xff\xfe")

    def test_insertion_point(self):
        box = wx.TextCtrl(self.frame, value=u"Alternativa", style=wx.TE_MULTILINE)
        box.SetInsertionPoint(0)
        box.SetInsertionPointEnd()
        self.assertEqual(box.GetInsertionPoint(), box.GetLastPosition())
        self.assertEqual(box.GetLastPosition(), len(u"Alternativa"))

    def test_labels_and_tooltips(self):
        label = wx.StaticText(self.frame, -1, u"")
        label.SetLabel(u"Nombre del conjunto de\nmedidas de mejora")
        self.assertEqual(label.GetLabel(), u"Nombre del conjunto de\nmedidas de mejora")
        self.assertIsNone(label.GetToolTip())
        label.SetToolTip(wx.ToolTip(u"Aceptar"))
        self.assertEqual(label.GetToolTip().GetTip(), u"Aceptar")
        label.SetToolTip(u"Cancelar")
        self.assertEqual(label.GetToolTip().GetTip(), u"Cancelar")


class Constants(unittest.TestCase):
    def test_the_values_agree_with_the_recording_double(self):
        # The double of the window tests copies its numbers from the toolkit's
        # headers independently; event type numbers are its own.
        folder = os.path.join(pyxtest.REPO, "tests", "window", "double")
        sys.path.insert(0, folder)
        try:
            double = imp.load_source("wx_double_for_comparison", os.path.join(folder, "wx.py"))
        finally:
            sys.path.remove(folder)
        compared = 0
        for name, value in vars(double).items():
            if name.startswith(("_", "wxEVT")) or not isinstance(value, (int, long)) or isinstance(value, bool):
                continue
            if hasattr(wx, name):
                self.assertEqual(getattr(wx, name), value, name)
                compared += 1
        self.assertGreater(compared, 50)


if __name__ == "__main__":
    unittest.main()
