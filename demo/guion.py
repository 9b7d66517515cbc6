# -*- coding: utf-8 -*-
"""The scripted walk through the project window and the naming window, for
a display that no one watches: each mode opened, a name typed and accepted,
an empty and a duplicate name refused, a cancel and a close. Real mouse
clicks and key presses through the X server; screenshots of both modes.

run(ventana, capturas) drives the script from the event loop and returns
the list of failed checks once the loop has ended.
"""
import os
import subprocess
import traceback

import wx

import Quimbra.variablesGlobales as vg

PAUSA = 250  # ms between steps: time for the toolkit to draw


def centro(ventana):
    posicion, tamano = ventana.GetScreenPosition(), ventana.GetSize()
    return posicion.x + tamano.width // 2, posicion.y + tamano.height // 2


def clic(ventana):
    simulador = wx.UIActionSimulator()
    simulador.MouseMove(*centro(ventana))
    simulador.MouseClick()


def escribir(cuadro, texto):
    """The actions that replace the box's text by typing, as a person
    would: a click first (with no window manager, keys go to the window
    under the pointer), then, once it has arrived, the keys."""
    def teclear():
        cuadro.SelectAll()
        simulador = wx.UIActionSimulator()
        if texto:
            simulador.Text(texto)
        else:
            simulador.Char(wx.WXK_BACK)
    return [lambda: clic(cuadro), teclear]


def esperar():
    """An action that does nothing: one more pause."""


def aviso():
    """The warning box being shown, or None."""
    for ventana in wx.GetTopLevelWindows():
        if isinstance(ventana, wx.MessageDialog) and ventana.IsModal():
            return ventana
    return None


def captura(carpeta, nombre, ventana):
    """The top-level window `ventana`, as carpeta/nombre.png. It is taken by
    its title: under Xvfb with no window manager, a window over another one
    shows black in a grab of the whole screen."""
    if not os.path.isdir(carpeta):
        os.makedirs(carpeta)
    ruta = os.path.join(carpeta, nombre + ".png")
    xwd = subprocess.Popen(["xwd", "-silent", "-name", ventana.GetTitle().encode("utf-8")], stdout=subprocess.PIPE)
    convert = subprocess.Popen(["convert", "xwd:-", "png:" + ruta], stdin=xwd.stdout)
    xwd.stdout.close()
    if convert.wait() != 0 or xwd.wait() != 0:
        raise RuntimeError("no se pudo guardar la captura " + ruta)
    print("captura: " + ruta)


def pasos(ventana, capturas, fallos):
    """The script: a generator of actions, each run after a pause."""

    def comprobar(condicion, texto):
        print(("  ok: " if condicion else "  FALLO: ") + texto)
        if not condicion:
            fallos.append(texto)

    nombres = lambda objetos: [o.nombre for o in objetos]

    print("1. Conjunto: renombrar 'Conjunto 1'")
    ventana.panelCuerpo.listaConjuntos.SetSelection(0)
    yield lambda: clic(ventana.botonConjunto)
    dialogo = ventana.dialogo
    comprobar(dialogo is not None and dialogo.IsShown(), "la ventana de nombre se abre")
    comprobar(not ventana.IsEnabled(), "la ventana del proyecto queda deshabilitada mientras tanto")
    for accion in escribir(dialogo.nombreCuadro, u"Conjunto renovado"):
        yield accion
    captura(capturas, "ventana_conjunto", dialogo)
    yield lambda: clic(dialogo.buttonAceptar)
    comprobar(nombres(vg.conjuntos) == [u"Conjunto renovado", u"Conjunto 2"], "el conjunto cambia de nombre")
    comprobar(ventana.panelCuerpo.listaConjuntos.GetString(0) == u"Conjunto renovado", "la lista se refresca")
    comprobar(ventana.IsEnabled(), "la ventana del proyecto vuelve a estar habilitada")

    print("2. Conjunto: un nombre vacío y uno repetido se rechazan; luego, cancelar")
    yield lambda: clic(ventana.botonConjunto)
    dialogo = ventana.dialogo
    for accion in escribir(dialogo.nombreCuadro, u""):
        yield accion
    yield lambda: clic(dialogo.buttonAceptar)
    yield esperar  # the box appears and is drawn
    yield esperar
    yield esperar
    caja = aviso()
    comprobar(caja is not None and caja.GetMessage() == u"Indique un nombre para el conjunto de medidas de mejora",
              "aviso de nombre vacío")
    if caja:
        captura(capturas, "aviso_nombre_vacio", caja)
        caja.EndModal(wx.ID_OK)
    for accion in escribir(dialogo.nombreCuadro, u"Conjunto 2"):
        yield accion
    yield lambda: clic(dialogo.buttonAceptar)
    yield esperar  # the box appears and is drawn
    yield esperar
    yield esperar
    caja = aviso()
    comprobar(caja is not None and caja.GetMessage().startswith(u"Revise el nombre del conjunto"),
              "aviso de nombre repetido")
    if caja:
        caja.EndModal(wx.ID_OK)
    yield lambda: clic(dialogo.buttonCancelar)
    comprobar(nombres(vg.conjuntos) == [u"Conjunto renovado", u"Conjunto 2"], "cancelar no cambia nada")
    comprobar(ventana.IsEnabled(), "habilitada tras cancelar")

    print("3. Alternativa: el nombre propuesto, aceptado")
    yield lambda: clic(ventana.botonAlternativa)
    dialogo = ventana.dialogo
    propuesto = dialogo.nombreCuadro.GetValue()
    comprobar(propuesto.startswith(u"Alternativa "), "nombre propuesto con la fecha: " + propuesto)
    captura(capturas, "ventana_alternativa", dialogo)
    yield lambda: clic(dialogo.buttonAceptar)
    comprobar(nombres(vg.alternativas) == [u"Alternativa base", propuesto], "la alternativa se añade")
    comprobar(ventana.panelCuerpo.listaAlternativas.GetCount() == 2, "la lista de alternativas se refresca")

    print("4. Alternativa calificada: nombre repetido rechazado, luego uno nuevo")
    yield lambda: clic(ventana.botonCalificada)
    dialogo = ventana.dialogo
    for accion in escribir(dialogo.nombreCuadro, u"Alternativa base"):
        yield accion
    yield lambda: clic(dialogo.buttonAceptar)
    yield esperar  # the box appears and is drawn
    yield esperar
    yield esperar
    caja = aviso()
    comprobar(caja is not None and caja.GetMessage().startswith(u"Revise el nombre de la alternativa"),
              "aviso de alternativa repetida")
    if caja:
        caja.EndModal(wx.ID_OK)
    for accion in escribir(dialogo.nombreCuadro, u"Alternativa con aislamiento"):
        yield accion
    yield lambda: clic(dialogo.buttonAceptar)
    nueva = vg.alternativas[-1]
    comprobar(nueva.nombre == u"Alternativa con aislamiento" and nueva.calificacion == u"C",
              "creada desde el caso base, calificada y en la lista")

    print("5. Cerrar la ventana de nombre con su caja de cierre")
    yield lambda: clic(ventana.botonAlternativa)
    dialogo = ventana.dialogo
    yield dialogo.Close
    comprobar(ventana.IsEnabled() and len(vg.alternativas) == 3, "cerrar no crea nada")
    captura(capturas, "proyecto", ventana)
    yield ventana.Close


def run(ventana, capturas):
    fallos = []
    guion = pasos(ventana, capturas, fallos)
    app = wx.GetApp()

    def paso():
        try:
            accion = next(guion)
        except StopIteration:
            return
        except Exception:
            traceback.print_exc()
            fallos.append("el guion se interrumpió")
            app.ExitMainLoop()
            return
        # The next step is set up first: the action may open a modal box,
        # whose loop runs the next steps until the box is answered.
        wx.CallLater(PAUSA, paso)
        accion()

    def tiempoAgotado():
        fallos.append("el guion no terminó a tiempo")
        app.ExitMainLoop()

    wx.CallLater(PAUSA, paso)
    vigilante = wx.CallLater(120000, tiempoAgotado)
    app.MainLoop()
    vigilante.Stop()
    return fallos
