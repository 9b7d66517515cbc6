"""What the GUI tests share: the one wx.App of the process, waiting for the
toolkit, pressing buttons (by event and by real mouse), answering message
boxes and taking screenshots.

The real wx of the build tree and the host stand-ins come first on sys.path.
"""
import contextlib
import os
import struct
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "support"))
import pyxtest  # noqa: E402

pyxtest.use_paths(pyxtest.BUILD_PYTHON, pyxtest.HOST)

import wx  # noqa: E402

# The toolkit starts once per process; every test file shares this one.
APP = wx.GetApp() or wx.App(False)

SCREENSHOTS = os.environ.get("PYX_SCREENSHOTS") or os.path.join(pyxtest.REPO, "build", "screenshots")


def settle(rounds=5):
    """Lets the toolkit handle what is pending (events, idle-time deletion)."""
    for _ in range(rounds):
        wx.Yield()
        time.sleep(0.01)


def until(condition, timeout=3.0):
    """Yields to the toolkit until condition() holds; whether it did."""
    end = time.time() + timeout
    while time.time() < end:
        if condition():
            return True
        settle(1)
    return condition()


def close_all():
    """Destroys every top-level window left and waits until they are gone."""
    for window in wx.GetTopLevelWindows():
        window.Destroy()
    until(lambda: not wx.GetTopLevelWindows())


def press(button):
    """A button event from button, as the toolkit sends it on a click."""
    event = wx.CommandEvent(wx.wxEVT_COMMAND_BUTTON_CLICKED, button.GetId())
    event.SetEventObject(button)
    return button.GetEventHandler().ProcessEvent(event)


def centre_on_screen(window):
    position, size = window.GetScreenPosition(), window.GetSize()
    return position.x + size.width // 2, position.y + size.height // 2


def click(window):
    """A real left click in the middle of window, through the X server."""
    settle()
    simulator = wx.UIActionSimulator()
    simulator.MouseMove(*centre_on_screen(window))
    settle()
    simulator.MouseClick()
    settle()


@contextlib.contextmanager
def answering(answer=wx.ID_OK, every=20):
    """Within the block, each message box shown is answered with `answer`
    as soon as it is modal (looked for every `every` ms from the event
    loop). Yields the list of (caption, message) seen."""
    seen = []
    active = [True]

    def look():
        if not active[0]:
            return
        for window in wx.GetTopLevelWindows():
            if isinstance(window, wx.MessageDialog) and window.IsModal():
                seen.append((window.GetTitle(), window.GetMessage()))
                window.EndModal(answer)
        wx.CallLater(every, look)

    wx.CallLater(every, look)
    try:
        yield seen
    finally:
        active[0] = False
        settle()


def png_size(path):
    """(width, height) from a PNG file's header."""
    with open(path, "rb") as image:
        header = image.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("%s is not a PNG file" % path)
    return struct.unpack(">II", header[16:24])


def screenshot(name, window=None):
    """Saves the screen, or the top-level window `window`, as
    SCREENSHOTS/name.png with xwd and ImageMagick; returns its path. A
    window is taken by its title: under Xvfb with no window manager a
    window over another one shows black in a grab of the whole screen."""
    settle()
    if not os.path.isdir(SCREENSHOTS):
        os.makedirs(SCREENSHOTS)
    path = os.path.join(SCREENSHOTS, name + ".png")
    which = ["-root"] if window is None else ["-name", window.GetTitle().encode("utf-8")]
    grab = subprocess.Popen(["xwd", "-silent"] + which, stdout=subprocess.PIPE)
    store = subprocess.Popen(["convert", "xwd:-", "png:" + path], stdin=grab.stdout)
    grab.stdout.close()
    if store.wait() != 0 or grab.wait() != 0:
        raise RuntimeError("the screenshot %s could not be taken" % path)
    return path


def have_screenshot_tools():
    from distutils.spawn import find_executable
    return bool(find_executable("xwd") and find_executable("convert"))


def assert_each_raises(test, error, cases):
    """Each (name, call) of cases raises error; the failure names the case."""
    for name, call in cases:
        try:
            call()
        except error:
            continue
        except Exception as other:
            test.fail("%s raised %r, not %s" % (name, other, error.__name__))
        test.fail("%s did not raise %s" % (name, error.__name__))


@contextlib.contextmanager
def captured_stderr():
    """What is printed to sys.stderr within the block (handler tracebacks)."""
    from StringIO import StringIO
    saved, sys.stderr = sys.stderr, StringIO()
    try:
        yield sys.stderr
    finally:
        sys.stderr = saved
