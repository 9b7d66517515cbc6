# -*- coding: utf-8 -*-
"""A small project window of ours around the naming window.

It lists the project's sets of improvement measures and its alternatives and
opens DialogCambioNombreProducto in each mode, made modal with MakeModal as
the application does. It offers what the naming window calls on the window
that opened it: MakeModal (a wx.Frame's), cargarWizardConjuntoOAlternativa(),
panelCuerpo.OnCargarListadoAlternativas() and funcionCerrarPantalla().
"""
import wx

import Quimbra.variablesGlobales as vg
from Quimbra.modelsNuevos import Alternativa
from pyx.Quimbra.panelesComunes.ventanaTituloMedidas import DialogCambioNombreProducto


class Conjunto(object):
    """A set of improvement measures: what the naming window renames."""

    def __init__(self, nombre):
        self.nombre = nombre


class Proyecto(object):
    nombre = u"Vivienda unifamiliar"


def iniciarDatos():
    """The project's starting state in the global-variables module."""
    vg.obraNueva = False
    vg.proyecto = Proyecto()
    vg.alternativa = None
    vg.alternativaCopia = None
    vg.conjuntos[:] = [Conjunto(u"Conjunto 1"), Conjunto(u"Conjunto 2")]
    base = Alternativa()
    base.proyecto, base.nombre = vg.proyecto, u"Alternativa base"
    vg.alternativas[:] = [base]


class PanelCuerpo(wx.Panel):
    """The body of the project window: the two lists."""

    def __init__(self, parent):
        wx.Panel.__init__(self, parent)
        sizer = wx.BoxSizer(wx.HORIZONTAL)
        for titulo, nombre in ((u"Conjuntos de medidas de mejora", "listaConjuntos"),
                               (u"Alternativas", "listaAlternativas")):
            columna = wx.BoxSizer(wx.VERTICAL)
            columna.Add(wx.StaticText(self, -1, titulo), 0, wx.BOTTOM, 5)
            lista = wx.ListBox(self, size=(260, 140))
            setattr(self, nombre, lista)
            columna.Add(lista, 1, wx.EXPAND)
            sizer.Add(columna, 1, wx.EXPAND | wx.ALL, 10)
        self.SetSizer(sizer)
        self.Refrescar()

    def Refrescar(self):
        for lista, objetos in ((self.listaConjuntos, vg.conjuntos), (self.listaAlternativas, vg.alternativas)):
            elegido = lista.GetSelection()
            lista.Set([o.nombre for o in objetos])
            if 0 <= elegido < lista.GetCount():
                lista.SetSelection(elegido)

    def OnCargarListadoAlternativas(self):
        """Called by the naming window after a new, rated alternative."""
        if vg.alternativa is not None and vg.alternativa not in vg.alternativas:
            vg.alternativas.append(vg.alternativa)
            self.GetParent().avisar(u"Alternativa calificada (%s): %s" % (vg.alternativa.calificacion,
                                                                          vg.alternativa.nombre))
        self.Refrescar()


class VentanaProyecto(wx.Frame):
    def __init__(self):
        wx.Frame.__init__(self, None, -1, u"Proyecto: " + vg.proyecto.nombre, pos=(40, 40), size=(600, 320))
        self.panelCuerpo = PanelCuerpo(self)
        self.estado = wx.StaticText(self, -1, u"")
        self.botonConjunto = wx.Button(self, -1, u"Renombrar conjunto")
        self.botonAlternativa = wx.Button(self, -1, u"Nueva alternativa")
        self.botonCalificada = wx.Button(self, -1, u"Nueva alternativa calificada")
        botones = wx.BoxSizer(wx.HORIZONTAL)
        for boton, manejador in ((self.botonConjunto, self.OnRenombrarConjunto),
                                 (self.botonAlternativa, self.OnNuevaAlternativa),
                                 (self.botonCalificada, self.OnNuevaAlternativaCalificada)):
            boton.Bind(wx.EVT_BUTTON, manejador)
            botones.Add(boton, 0, wx.RIGHT, 10)
        vbox = wx.BoxSizer(wx.VERTICAL)
        vbox.Add(self.panelCuerpo, 1, wx.EXPAND)
        vbox.Add(self.estado, 0, wx.LEFT | wx.RIGHT | wx.EXPAND, 10)
        vbox.Add(botones, 0, wx.ALL, 10)
        self.SetSizer(vbox)
        self.dialogo = None
        self.avisar(u"Elija un conjunto y renómbrelo, o cree una alternativa.")

    def avisar(self, texto):
        self.estado.SetLabel(texto)

    # -- opening the naming window, as the application's panels do

    def abrir(self, obraNueva, listado, conjunto=None, esProyecto=False):
        vg.obraNueva = obraNueva
        self.dialogo = DialogCambioNombreProducto(self, listado, conjunto, esProyecto=esProyecto,
                                                  aplicandoProyecto=False)
        self.dialogo.Show()
        self.dialogo.MakeModal(True)
        return self.dialogo

    def OnRenombrarConjunto(self, event):
        elegido = self.panelCuerpo.listaConjuntos.GetSelection()
        if elegido == wx.NOT_FOUND:
            wx.MessageBox(u"Elija antes el conjunto que quiere renombrar", u"Aviso")
            return
        self.abrir(False, vg.conjuntos, vg.conjuntos[elegido])

    def OnNuevaAlternativa(self, event):
        self.abrir(True, vg.alternativas)

    def OnNuevaAlternativaCalificada(self, event):
        self.abrir(True, vg.alternativas, esProyecto=True)

    # -- what the naming window calls back

    def cargarWizardConjuntoOAlternativa(self):
        if vg.obraNueva and vg.alternativa is not None and vg.alternativa not in vg.alternativas:
            vg.alternativas.append(vg.alternativa)
            self.avisar(u"Alternativa creada: %s" % vg.alternativa.nombre)
        else:
            self.avisar(u"Conjunto renombrado")
        self.panelCuerpo.Refrescar()

    def funcionCerrarPantalla(self):
        self.avisar(u"Alternativas cargadas en la aplicación")
