# -*- coding: utf-8 -*-
"""The classic Frame.MakeModal, and message boxes answered by the test."""
import unittest

import screen
from screen import wx


class MakeModal(unittest.TestCase):
    """Each case: calls (frame name, flag) in order, then which of the three
    frames a, b, c are enabled."""

    CASES = [
        ("True disables every other top-level window", [("b", True)], "b"),
        ("False enables them again", [("b", True), ("b", False)], "abc"),
        # No nesting and no own state: a frame's calls change the others only.
        ("b's calls leave b as a's call left it", [("a", True), ("b", True), ("b", False)], "ac"),
        ("a second modal frame does not enable itself", [("a", True), ("c", True)], ""),
        ("modal again after the other gave it up", [("b", True), ("b", False), ("a", True)], "a"),
    ]

    def tearDown(self):
        screen.close_all()

    def test_cases(self):
        for name, calls, enabled in self.CASES:
            frames = {}
            frames["a"] = wx.Frame(None, title=u"a")
            frames["b"] = wx.Frame(frames["a"], title=u"b", style=wx.DEFAULT_FRAME_STYLE | wx.FRAME_FLOAT_ON_PARENT)
            frames["c"] = wx.Frame(None, title=u"c")
            for frame in frames.values():
                frame.Show()
            for who, flag in calls:
                self.assertIsNone(frames[who].MakeModal(flag))
            state = "".join(sorted(k for k, f in frames.items() if f.IsEnabled()))
            self.assertEqual(state, enabled, name)
            screen.close_all()

    def test_a_window_being_destroyed_is_left_alone(self):
        a, b = wx.Frame(None), wx.Frame(None)
        b.Destroy()
        a.MakeModal(True)
        self.assertTrue(a.IsEnabled())


class MessageBoxes(unittest.TestCase):
    """Each case: style, the button the test presses, what MessageBox returns."""

    CASES = [
        ("OK", wx.OK, wx.ID_OK, wx.OK),
        ("yes", wx.YES_NO, wx.ID_YES, wx.YES),
        ("no", wx.YES_NO, wx.ID_NO, wx.NO),
        ("cancel", wx.OK | wx.CANCEL, wx.ID_CANCEL, wx.CANCEL),
    ]

    def tearDown(self):
        screen.close_all()

    def test_answers(self):
        for name, style, press, result in self.CASES:
            with screen.answering(press) as seen:
                answer = wx.MessageBox(u"¿Seguro?", u"Aviso", style)
            self.assertEqual(answer, result, name)
            self.assertEqual(seen, [(u"Aviso", u"¿Seguro?")], name)

    def test_defaults_of_the_two_argument_call(self):
        with screen.answering() as seen:
            self.assertEqual(wx.MessageBox(u"Indique un nombre"), wx.OK)
        self.assertEqual(seen, [(u"Message", u"Indique un nombre")])

    def test_the_box_leaves_the_modal_state_as_it_was(self):
        opener = wx.Frame(None, title=u"abre")
        modal = wx.Frame(opener, title=u"modal")
        opener.Show()
        modal.Show()
        modal.MakeModal(True)
        with screen.answering() as seen:
            wx.MessageBox(u"m", u"c")
        self.assertEqual(len(seen), 1)
        self.assertEqual((opener.IsEnabled(), modal.IsEnabled()), (False, True))

    def test_the_box_is_gone_afterwards(self):
        with screen.answering():
            wx.MessageBox(u"m", u"c")
        self.assertTrue(screen.until(lambda: not wx.GetTopLevelWindows()))

    def test_a_message_dialog_of_ones_own(self):
        dialog = wx.MessageDialog(None, u"texto", u"título", wx.YES_NO)
        self.assertEqual((dialog.GetMessage(), dialog.GetTitle()), (u"texto", u"título"))
        with screen.answering(wx.ID_NO):
            self.assertEqual(dialog.ShowModal(), wx.ID_NO)
        self.assertFalse(dialog.IsModal())
        self.assertRaises(wx.PyAssertionError, dialog.EndModal, wx.ID_OK)
        dialog.Destroy()


if __name__ == "__main__":
    unittest.main()
