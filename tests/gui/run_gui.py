"""Runs the GUI test files matching a pattern under Xvfb.

    run_gui.py PATTERN        the suite, in a display of its own
    run_gui.py --skip REASON  report the suite skipped

Exits 77 (CTest's skip code here) with the reason printed when the suite
cannot run: no xvfb-run, or no usable display under it.
"""
import os
import subprocess
import sys
from distutils.spawn import find_executable

SKIPPED = 77
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "support"))
import pyxtest  # noqa: E402

SCREEN = ["-a", "-s", "-screen 0 800x600x24"]
# Exits 3 when wx cannot be imported (a fault: the suite must fail), 4 when
# the toolkit cannot open the display (the suite is skipped).
PROBE = """
import sys
try:
    import wx
except Exception as error:
    print("cannot import wx: %r" % (error,))
    sys.exit(3)
try:
    wx.App(False)
except SystemExit as error:
    print(error)
    sys.exit(4)
"""


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIPPED)


def main(argv):
    if len(argv) == 3 and argv[1] == "--skip":
        skip(argv[2])
    if len(argv) != 2:
        sys.exit(__doc__)
    xvfb_run = find_executable("xvfb-run")
    if not xvfb_run:
        skip("xvfb-run is not installed")
    # A display that the toolkit can open, or the reason why not.
    environment = dict(os.environ, PYTHONPATH=pyxtest.BUILD_PYTHON)
    probe = subprocess.Popen([xvfb_run] + SCREEN + [sys.executable, "-c", PROBE], env=environment,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    output = probe.communicate()[0]
    if probe.returncode == 3:
        sys.exit("the GUI tests cannot run: " + output)
    if probe.returncode != 0:
        skip("no usable display under Xvfb:\n" + output)
    suite = [sys.executable, "-m", "unittest", "discover", "-s", HERE, "-p", argv[1], "-v"]
    sys.exit(subprocess.call([xvfb_run] + SCREEN + suite))


if __name__ == "__main__":
    main(sys.argv)
