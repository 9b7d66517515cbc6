# -*- coding: utf-8 -*-
"""Python subclasses of the toolkit's classes, and the life of the Python
object around the toolkit's window."""
import gc
import unittest
import weakref

import screen
from screen import wx


class MyFrame(wx.Frame):
    """A frame as the application's are: state set before the base
    initialiser, which is chained with keywords; a child and a sizer."""

    def __init__(self, parent, title):
        self.parent = parent
        self.closed = []
        wx.Frame.__init__(self, parent, title=title, size=(300, 150),
                          style=wx.DEFAULT_FRAME_STYLE | wx.FRAME_FLOAT_ON_PARENT)
        self.box = wx.TextCtrl(self, id=0, value=u"texto")
        self.vbox = wx.BoxSizer(wx.VERTICAL)
        self.vbox.Add(self.box, 1, wx.EXPAND)
        self.SetSizer(self.vbox)
        self.Bind(wx.EVT_CLOSE, self.OnClose)

    def OnClose(self, event):
        self.closed.append(event.GetEventObject())
        self.Destroy()


class Subclasses(unittest.TestCase):
    def tearDown(self):
        screen.close_all()

    def test_init_chains_and_keeps_the_state_set_before_it(self):
        frame = MyFrame(None, u"Título")
        self.assertIsNone(frame.parent)
        self.assertEqual(frame.GetTitle(), u"Título")
        self.assertEqual(frame.GetSize(), (300, 150))
        self.assertEqual(frame.box.GetValue(), u"texto")

    def test_the_toolkit_hands_back_the_same_python_object(self):
        frame = MyFrame(None, u"uno")
        self.assertIn(frame, wx.GetTopLevelWindows())
        self.assertIs(frame.box.GetParent(), frame)
        self.assertIs(frame.GetChildren()[0], frame.box)
        self.assertIs(frame.GetSizer(), frame.vbox)
        self.assertIs(frame.box.GetContainingSizer(), frame.vbox)

    def test_a_bound_method_is_the_handler(self):
        frame = MyFrame(None, u"uno")
        frame.Close()
        self.assertEqual(frame.closed, [frame])

    def test_toolkit_methods_before_init_raise(self):
        frame = MyFrame.__new__(MyFrame)
        frame.note = 1
        for call in (frame.Show, frame.GetSize, frame.Destroy, lambda: frame.MakeModal(True)):
            self.assertRaisesRegexp(RuntimeError, "has not been created", call)
        self.assertEqual(frame.note, 1)

    def test_init_twice_raises(self):
        frame = MyFrame(None, u"uno")
        self.assertRaisesRegexp(RuntimeError, "created already", wx.Frame.__init__, frame, None)


class AfterDestroy(unittest.TestCase):
    def setUp(self):
        self.frame = MyFrame(None, u"uno")
        self.frame.Show()
        self.frame.extra = [1, 2]
        self.frame.Destroy()
        self.assertTrue(screen.until(lambda: self.frame not in wx.GetTopLevelWindows()))

    def test_the_python_object_keeps_its_attributes(self):
        self.assertIsNone(self.frame.parent)
        self.assertEqual(self.frame.extra, [1, 2])
        self.assertIsInstance(self.frame, MyFrame)

    def test_every_toolkit_call_on_what_went_raises_dead_object_error(self):
        frame = self.frame
        calls = [
            ("Show", frame.Show), ("GetSize", frame.GetSize), ("GetTitle", frame.GetTitle),
            ("SetTitle", lambda: frame.SetTitle(u"x")), ("Centre", frame.Centre),
            ("MakeModal", lambda: frame.MakeModal(False)), ("Destroy", frame.Destroy),
            ("Bind", lambda: frame.Bind(wx.EVT_CLOSE, frame.OnClose)),
            ("child GetValue", frame.box.GetValue), ("child SetFont", lambda: frame.box.SetFont(wx.Font(9, wx.FONTFAMILY_DEFAULT, wx.FONTSTYLE_NORMAL, wx.FONTWEIGHT_NORMAL))),
            ("sizer Layout", frame.vbox.Layout), ("sizer Add", lambda: frame.vbox.Add((1, 1))),
        ]
        screen.assert_each_raises(self, wx.PyDeadObjectError, calls)
        self.assertTrue(issubclass(wx.PyDeadObjectError, RuntimeError))

    def test_a_dead_window_as_an_argument_raises(self):
        other = wx.Frame(None)
        self.assertRaises(wx.PyDeadObjectError, wx.StaticText, self.frame)
        self.assertRaises(wx.PyDeadObjectError, wx.BoxSizer().Add, self.frame.box)
        event = wx.CommandEvent()
        self.assertRaises(wx.PyDeadObjectError, event.SetEventObject, self.frame)
        other.Destroy()


class References(unittest.TestCase):
    def tearDown(self):
        screen.close_all()

    def test_the_window_keeps_its_python_object_until_it_goes(self):
        frame = MyFrame(None, u"uno")
        box = weakref.ref(frame.box)
        frame_ref = weakref.ref(frame)
        frame.Destroy()
        del frame
        gc.collect()
        self.assertIsNotNone(frame_ref(), "freed while its window still exists")
        screen.until(lambda: not wx.GetTopLevelWindows())
        gc.collect()
        self.assertIsNone(frame_ref(), "kept after its window went")
        self.assertIsNone(box())

    def test_a_python_object_held_after_the_window_goes_is_freed_later(self):
        frame = MyFrame(None, u"uno")
        frame.Destroy()
        screen.until(lambda: not wx.GetTopLevelWindows())
        frame_ref = weakref.ref(frame)
        del frame
        gc.collect()
        self.assertIsNone(frame_ref())


class OddArguments(unittest.TestCase):
    """Whatever Python object arrives, a Python exception, never a crash."""

    ODD = [None, 1, 2.5, u"texto", "bytes", object(), [1, 2], (1,), wx.Size(1, 2), wx.BoxSizer]

    def setUp(self):
        self.frame = wx.Frame(None)

    def tearDown(self):
        screen.close_all()

    def check(self, name, call):
        for value in self.ODD:
            try:
                call(value)
            except (TypeError, ValueError, RuntimeError, AssertionError):
                pass
            except Exception as error:
                self.fail("%s(%r) raised %r" % (name, value, error))

    def test_odd_values_everywhere(self):
        frame = self.frame
        sizer = wx.BoxSizer()
        cases = [
            ("parent", lambda v: wx.StaticText(v)),
            ("SetFont", frame.SetFont),
            ("SetSizer", frame.SetSizer),
            ("SetToolTip", frame.SetToolTip),
            ("SetSize", frame.SetSize),
            ("Bind event", lambda v: frame.Bind(v, lambda e: None)),
            ("Bind handler", lambda v: frame.Bind(wx.EVT_CLOSE, v)),
            ("Add", sizer.Add),
            ("Bitmap", wx.Bitmap),
            ("ProcessEvent", frame.ProcessEvent),
            ("unbound Show", wx.Window.Show.im_func),
            ("class dict", lambda v: wx.Window.__dict__["GetSize"](v)),
            ("MessageBox caption", lambda v: wx.MessageBox(u"m", v, parent=1)),
        ]
        for name, call in cases:
            self.check(name, call)
        self.assertTrue(frame.IsEnabled())


if __name__ == "__main__":
    unittest.main()
