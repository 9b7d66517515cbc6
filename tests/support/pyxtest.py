"""Paths and subprocess helpers shared by the test suites.

The build tree comes from PYX_BUILD_PYTHON (set by CTest), else build/python
of this checkout; the interpreter for subprocesses is PYX_PYTHON, else the
one running the tests.
"""
import os
import subprocess
import sys

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD_PYTHON = os.environ.get("PYX_BUILD_PYTHON") or os.path.join(REPO, "build", "python")
HOST = os.path.join(REPO, "host")
PYTHON = os.environ.get("PYX_PYTHON") or sys.executable


def use_paths(*paths):
    """Puts the given folders first on sys.path of this process."""
    for path in reversed(paths):
        if path in sys.path:
            sys.path.remove(path)
        sys.path.insert(0, path)


def run_python(code, paths, env=None, timeout_note=""):
    """Runs code in a fresh interpreter with `paths` first on its sys.path.

    Returns (returncode, stdout, stderr)."""
    environment = dict(os.environ)
    environment["PYTHONPATH"] = os.pathsep.join(paths)
    environment.update(env or {})
    process = subprocess.Popen([PYTHON, "-c", code], stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, env=environment)
    out, err = process.communicate()
    return process.returncode, out, err
