# -*- coding: utf-8 -*-
"""The naming window on the real toolkit, inside a small project window.

With a usable display the windows stay open until the person closes them.
Without one (or with --guion) the same windows run under Xvfb as a scripted
walk-through that ends by itself and leaves screenshots of both modes in
build/screenshots/ (or PYX_SCREENSHOTS).
"""
import os
import subprocess
import sys
from distutils.spawn import find_executable

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
BUILD_PYTHON = os.environ.get("PYX_BUILD_PYTHON") or os.path.join(REPO, "build", "python")
CAPTURAS = os.environ.get("PYX_SCREENSHOTS") or os.path.join(REPO, "build", "screenshots")
sys.path[:0] = [BUILD_PYTHON, os.path.join(REPO, "host"), HERE]

# Exit code of the display probe when the toolkit cannot open the display.
SIN_PANTALLA = 4
SONDA = "import sys, wx\ntry:\n    wx.App(False)\nexcept SystemExit:\n    sys.exit(%d)\n" % SIN_PANTALLA


def pantallaUsable():
    if not os.environ.get("DISPLAY"):
        return False
    entorno = dict(os.environ, PYTHONPATH=os.pathsep.join([BUILD_PYTHON] + sys.path[1:2]))
    with open(os.devnull, "w") as nada:
        return subprocess.call([sys.executable, "-c", SONDA], env=entorno, stdout=nada, stderr=nada) == 0


def bajoXvfb():
    """Runs this script again, scripted, in a display of its own."""
    xvfb = find_executable("xvfb-run")
    if not xvfb:
        sys.exit("ventana.py: no display and no xvfb-run: install xvfb (tools/install-deps.sh)")
    orden = [xvfb, "-a", "-s", "-screen 0 800x600x24", sys.executable, os.path.abspath(__file__), "--guion"]
    sys.exit(subprocess.call(orden))


def main(argumentos):
    guionado = "--guion" in argumentos
    if not guionado and not pantallaUsable():
        print("Sin pantalla: recorrido guionado bajo Xvfb; capturas en " + CAPTURAS)
        bajoXvfb()

    import wx
    from Quimbra import arranque
    if hasattr(arranque, "instalarTraduccion"):
        arranque.instalarTraduccion()
    import proyecto

    app = wx.App(False)
    proyecto.iniciarDatos()
    ventana = proyecto.VentanaProyecto()
    ventana.Show()
    app.SetTopWindow(ventana)
    if not guionado:
        app.MainLoop()
        return 0
    import guion
    fallos = guion.run(ventana, CAPTURAS)
    print("recorrido: %s" % ("sin fallos" if not fallos else "%d fallos: %s" % (len(fallos), "; ".join(fallos))))
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
