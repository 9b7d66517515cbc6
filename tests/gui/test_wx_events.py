# -*- coding: utf-8 -*-
"""Events: binders and handlers, button events by event and by real click,
skipping, handlers that fail, the close event, calls after and the loop."""
import unittest

import screen
from screen import pyxtest, wx


class Window(wx.Frame):
    """A frame with two buttons; every handler logs what it saw."""

    def __init__(self):
        wx.Frame.__init__(self, None, title=u"eventos", pos=(50, 50), size=(300, 120))
        self.log = []
        self.first = wx.Button(self, label=u"uno", pos=(10, 10), size=(100, 40))
        self.second = wx.Button(self, label=u"dos", pos=(150, 10), size=(100, 40))

    def OnButton(self, event):
        self.log.append(("button", event.GetEventObject(), event.GetId(), event.GetEventType()))


class Buttons(unittest.TestCase):
    def setUp(self):
        self.window = Window()
        self.window.Show()
        screen.settle()

    def tearDown(self):
        screen.close_all()

    def test_a_button_event_reaches_the_handler_bound_on_the_button(self):
        w = self.window
        w.first.Bind(wx.EVT_BUTTON, w.OnButton)
        self.assertTrue(screen.press(w.first))
        self.assertEqual(w.log, [("button", w.first, w.first.GetId(), wx.wxEVT_COMMAND_BUTTON_CLICKED)])
        self.assertFalse(screen.press(w.second))
        self.assertEqual(len(w.log), 1)

    def test_binding_on_the_frame_by_source_or_by_id(self):
        w = self.window
        w.Bind(wx.EVT_BUTTON, w.OnButton, w.first)
        w.Bind(wx.EVT_BUTTON, lambda e: w.log.append(("by id", e.GetEventObject())), id=w.second.GetId())
        screen.press(w.second)
        screen.press(w.first)
        self.assertEqual([entry[:2] for entry in w.log], [("by id", w.second), ("button", w.first)])

    def test_skip_lets_the_parent_handle_it_too(self):
        w = self.window
        w.Bind(wx.EVT_BUTTON, lambda e: w.log.append("frame"))
        w.first.Bind(wx.EVT_BUTTON, lambda e: (w.log.append("skipping"), e.Skip()))
        w.second.Bind(wx.EVT_BUTTON, lambda e: w.log.append("keeping"))
        screen.press(w.first)
        screen.press(w.second)
        self.assertEqual(w.log, ["skipping", "frame", "keeping"])

    def test_a_real_click(self):
        w = self.window
        w.second.Bind(wx.EVT_BUTTON, w.OnButton)
        screen.click(w.second)
        self.assertTrue(screen.until(lambda: w.log), "the click did not arrive")
        self.assertIs(w.log[0][1], w.second)

    def test_the_pointer_entering_and_leaving(self):
        w = self.window
        w.first.Bind(wx.EVT_ENTER_WINDOW, lambda e: w.log.append(("enter", e.Entering())))
        w.first.Bind(wx.EVT_LEAVE_WINDOW, lambda e: w.log.append(("leave", e.Leaving())))
        simulator = wx.UIActionSimulator()
        simulator.MouseMove(*screen.centre_on_screen(w.first))
        self.assertTrue(screen.until(lambda: ("enter", True) in w.log))
        simulator.MouseMove(*screen.centre_on_screen(w.second))
        self.assertTrue(screen.until(lambda: ("leave", True) in w.log))

    def test_an_event_kept_after_its_handler_still_answers(self):
        w = self.window
        kept = []
        w.first.Bind(wx.EVT_BUTTON, kept.append)
        screen.press(w.first)
        event = kept[0]
        self.assertEqual(event.GetId(), w.first.GetId())
        self.assertIs(event.GetEventObject(), w.first)
        w.first.Destroy()
        self.assertIsNone(event.GetEventObject())


class FailingHandlers(unittest.TestCase):
    def tearDown(self):
        screen.close_all()

    def test_the_traceback_is_printed_and_the_next_event_still_arrives(self):
        w = Window()
        calls = []

        def OnFailing(event):
            calls.append(1)
            raise ValueError(u"fallo en el manejador")

        w.first.Bind(wx.EVT_BUTTON, OnFailing)
        with screen.captured_stderr() as printed:
            self.assertTrue(screen.press(w.first))
            self.assertTrue(screen.press(w.first))
        self.assertEqual(calls, [1, 1])
        text = printed.getvalue()
        self.assertEqual(text.count("Traceback (most recent call last):"), 2)
        self.assertIn("in OnFailing", text)
        self.assertIn("ValueError: fallo en el manejador", text)

    def test_a_failing_call_after_does_not_stop_the_loop(self):
        done = []
        wx.CallAfter(lambda: 1 / 0)
        wx.CallAfter(done.append, "after")
        with screen.captured_stderr() as printed:
            screen.settle()
        self.assertEqual(done, ["after"])
        self.assertIn("ZeroDivisionError", printed.getvalue())

    def test_a_toolkit_assertion_becomes_a_python_error(self):
        event = wx.CloseEvent(wx.wxEVT_CLOSE_WINDOW)
        event.SetCanVeto(False)
        self.assertRaises(wx.PyAssertionError, event.Veto)
        self.assertTrue(issubclass(wx.PyAssertionError, AssertionError))


class Closing(unittest.TestCase):
    def tearDown(self):
        screen.close_all()

    def test_close_sends_the_close_event_and_the_handler_decides(self):
        w = Window()
        seen = []
        w.Bind(wx.EVT_CLOSE, lambda e: seen.append((type(e), e.GetEventObject(), e.CanVeto())))
        w.Close()
        screen.settle()
        self.assertEqual(seen, [(wx.CloseEvent, w, True)])
        self.assertIn(w, wx.GetTopLevelWindows())
        w.Close(force=True)
        self.assertEqual(seen[-1][2], False)

    def test_without_a_handler_close_destroys(self):
        w = Window()
        w.Close()
        self.assertTrue(screen.until(lambda: w not in wx.GetTopLevelWindows()))


class TheLoop(unittest.TestCase):
    def test_call_after_runs_in_the_main_loop_and_exit_main_loop_ends_it(self):
        app = wx.GetApp()
        calls = []
        wx.CallAfter(calls.append, (1, 2))
        wx.CallAfter(lambda **kw: calls.append(kw), clave=u"valor")
        wx.CallAfter(app.ExitMainLoop)
        self.assertFalse(app.IsMainLoopRunning())
        app.MainLoop()
        self.assertEqual(calls, [(1, 2), {"clave": u"valor"}])

    def test_call_later_needs_no_reference_and_can_be_stopped(self):
        app = wx.GetApp()
        calls = []
        wx.CallLater(30, calls.append, "later")
        stopped = wx.CallLater(10, calls.append, "stopped")
        stopped.Stop()
        kept = wx.CallLater(20, lambda: 42)
        wx.CallLater(60, app.ExitMainLoop)
        app.MainLoop()
        self.assertEqual(calls, ["later"])
        self.assertEqual((kept.HasRun(), kept.GetResult(), stopped.HasRun()), (True, 42, False))

    def test_the_loop_ends_when_the_last_window_goes(self):
        w = Window()
        w.Show()
        wx.CallAfter(w.Close)
        wx.GetApp().MainLoop()
        self.assertNotIn(w, wx.GetTopLevelWindows())

    def test_an_app_subclass_and_on_init(self):
        code = "\n".join([
            "import wx",
            "class A(wx.App):",
            "    def OnInit(self):",
            "        self.frame = wx.Frame(None, title=u'f')",
            "        return True",
            "a = A(False)",
            "assert wx.GetApp() is a and a.frame.GetTitle() == u'f'",
            "class B(wx.App):",
            "    def OnInit(self):",
            "        return False",
            "try:",
            "    B(False)",
            "except SystemExit as e:",
            "    print('exit: %s' % e)",
        ])
        rc, out, err = pyxtest.run_python(code, [pyxtest.BUILD_PYTHON])
        self.assertEqual((rc, out.strip()), (0, "exit: OnInit returned false, exiting..."), err)


if __name__ == "__main__":
    unittest.main()
