# -*- coding: utf-8 -*-
"""Box sizers: the geometry they give real windows, and who owns them."""
import unittest

import screen
from screen import wx

H, V = wx.HORIZONTAL, wx.VERTICAL


def block(parent, width, height):
    """A plain child window that asks for exactly width x height."""
    return wx.Window(parent, size=(width, height))


class Geometry(unittest.TestCase):
    """Each case: a frame of 400x200 whose sizer is built from rows
    (item, proportion, flag, border), item being a (w, h) spacer, a block
    ("b", w, h) or a nested sizer (orient, rows); then the rectangles
    (x, y, w, h) of the blocks in creation order."""

    CASES = [
        ("spacer then a block pushed right and down",
         (V, [((-1, 20), 0, 0, 0), ((H, [(("b", 50, 30), 0, 0, 0)]), 0, wx.LEFT, 15)]),
         [(15, 20, 50, 30)]),
        ("a stretching block takes the rest of the row",
         (V, [((H, [(("b", 60, 40), 0, wx.EXPAND | wx.RIGHT, 10), (("b", 50, 41), 1, wx.EXPAND, 0)]),
               0, wx.LEFT | wx.RIGHT | wx.EXPAND, 10)]),
         [(10, 0, 60, 41), (80, 0, 310, 41)]),
        ("a row aligned right with a margin",
         (V, [((-1, 50), 0, 0, 0),
              ((H, [(("b", 32, 32), 0, 0, 0), (("b", 32, 32), 0, wx.LEFT, 10)]),
               0, wx.RIGHT | wx.TOP | wx.BOTTOM | wx.ALIGN_RIGHT, 10)]),
         [(316, 60, 32, 32), (358, 60, 32, 32)]),
        ("proportions share the height",
         (V, [(("b", 10, 10), 1, wx.EXPAND, 0), (("b", 10, 10), 3, wx.EXPAND, 0)]),
         [(0, 0, 400, 50), (0, 50, 400, 150)]),
        ("spacers given as wx.Size and keyword arguments",
         (H, [(wx.Size(25, 5), 0, 0, 0), (("b", 10, 10), 0, wx.ALL, 5)]),
         [(30, 5, 10, 10)]),
    ]

    def tearDown(self):
        screen.close_all()

    def build(self, frame, shape, blocks):
        orient, rows = shape
        sizer = wx.BoxSizer(orient)
        for item, proportion, flag, border in rows:
            if isinstance(item, tuple) and item[0] == "b":
                item = block(frame, item[1], item[2])
                blocks.append(item)
            elif isinstance(item, tuple) and isinstance(item[1], list):
                item = self.build(frame, item, blocks)
            sizer.Add(item, proportion=proportion, flag=flag, border=border)
        return sizer

    def test_cases(self):
        for name, shape, expected in self.CASES:
            frame = wx.Frame(None, size=(400, 200))
            blocks = []
            frame.SetSizer(self.build(frame, shape, blocks))
            frame.Show()
            self.assertTrue(screen.until(lambda: frame.GetClientSize() == (400, 200)), name)
            screen.settle()
            rects = [tuple(b.GetPosition()) + tuple(b.GetSize()) for b in blocks]
            self.assertEqual(rects, expected, name)
            frame.Destroy()

    def test_positional_and_keyword_arguments_agree(self):
        frame = wx.Frame(None, size=(400, 200))
        a, b = block(frame, 20, 20), block(frame, 20, 20)
        sizer = wx.BoxSizer(V)
        sizer.Add(a, 0, wx.LEFT, 7)
        sizer.Add(b, flag=wx.LEFT, border=7)
        frame.SetSizer(sizer)
        frame.Layout()
        self.assertEqual(a.GetPosition().x, b.GetPosition().x)
        self.assertEqual(b.GetPosition().x, 7)


class Ownership(unittest.TestCase):
    def setUp(self):
        self.frame = wx.Frame(None, size=(200, 100))

    def tearDown(self):
        screen.close_all()

    def test_refused_arrangements(self):
        outer, inner = wx.BoxSizer(V), wx.BoxSizer(H)
        outer.Add(inner)
        child = wx.StaticText(self.frame, label=u"x")
        inner.Add(child)
        cases = [
            ("a sizer in itself", lambda: outer.Add(outer)),
            ("a sizer in one it contains", lambda: inner.Add(outer)),
            ("a sizer in two sizers", lambda: wx.BoxSizer().Add(inner)),
            ("a window in two sizers", lambda: outer.Add(child)),
            ("a top-level window in a sizer", lambda: outer.Add(self.frame)),
            ("a sizer of a sizer as a window's", lambda: self.frame.SetSizer(inner)),
        ]
        screen.assert_each_raises(self, wx.PyAssertionError, cases)

    def test_bad_items(self):
        sizer = wx.BoxSizer()
        for item in [(1, 2, 3), (1.0, 2), u"x", None, object()]:
            self.assertRaises(TypeError, sizer.Add, item)
        self.assertRaises(TypeError, sizer.Add, (1, 1), u"1")
        self.assertRaises(ValueError, wx.BoxSizer, wx.BOTH)

    def test_a_window_owns_its_sizer_and_the_sizers_inside(self):
        outer, inner = wx.BoxSizer(V), wx.BoxSizer(H)
        outer.Add(inner)
        self.frame.SetSizer(outer)
        self.assertIs(self.frame.GetSizer(), outer)
        self.frame.Destroy()
        screen.until(lambda: not wx.GetTopLevelWindows())
        self.assertRaises(wx.PyDeadObjectError, outer.GetItemCount)
        self.assertRaises(wx.PyDeadObjectError, inner.GetItemCount)

    def test_replacing_a_sizer_deletes_the_old_one_unless_told_not_to(self):
        first, second, third = wx.BoxSizer(), wx.BoxSizer(), wx.BoxSizer()
        self.frame.SetSizer(first)
        self.frame.SetSizer(second)
        self.assertRaises(wx.PyDeadObjectError, first.GetItemCount)
        self.frame.SetSizer(third, deleteOld=False)
        self.assertEqual(second.GetItemCount(), 0)
        wx.BoxSizer().Add(second)  # free again: it may go elsewhere
        self.assertIs(self.frame.GetSizer(), third)

    def test_a_sizer_no_one_holds_goes_with_its_python_object(self):
        child = wx.StaticText(self.frame, label=u"x")
        sizer = wx.BoxSizer()
        sizer.Add(child)
        del sizer
        self.assertIsNone(child.GetContainingSizer())
        wx.BoxSizer().Add(child)  # it is in no sizer any more

    def test_a_window_that_goes_leaves_its_sizer(self):
        sizer = wx.BoxSizer()
        child = wx.StaticText(self.frame, label=u"x")
        sizer.Add(child)
        child.Destroy()
        self.assertEqual(sizer.GetItemCount(), 0)


if __name__ == "__main__":
    unittest.main()
