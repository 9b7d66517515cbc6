# -*- coding: utf-8 -*-
"""Recording doubles of what the application hands to the naming window.

VentanaPadre: the opening window, a frame of the `wx` double (so MakeModal
and friends are logged by it) with the follow-up methods the naming window
calls, each logged under its label ("VentanaPadre#<n>"):
cargarWizardConjuntoOAlternativa(), funcionCerrarPantalla() (only when built
with conFuncionCerrarPantalla=True, else the attribute is missing) and
panelCuerpo.OnCargarListadoAlternativas() ("PanelCuerpo#<n>").

Conjunto: a set of improvement measures with a `nombre`; its writes are logged
as "setattr" entries under "Conjunto#<n>". It also serves as any named object
of the list of existing sets or alternatives.

Use registro.fallar() to make any of these calls raise.
"""

import registro
import wx


class PanelCuerpo(object):
    def OnCargarListadoAlternativas(self, *args, **kwargs):
        registro.anotar(self, 'OnCargarListadoAlternativas', args, kwargs)


class VentanaPadre(wx.Frame):
    def __init__(self, conFuncionCerrarPantalla=True, titulo=u'Principal'):
        wx.Frame.__init__(self, None, -1, titulo)
        self.panelCuerpo = PanelCuerpo()
        if conFuncionCerrarPantalla:
            self.funcionCerrarPantalla = self._funcionCerrarPantalla

    def cargarWizardConjuntoOAlternativa(self, *args, **kwargs):
        registro.anotar(self, 'cargarWizardConjuntoOAlternativa', args,
                        kwargs)

    def _funcionCerrarPantalla(self, *args, **kwargs):
        registro.anotar(self, 'funcionCerrarPantalla', args, kwargs)


class Conjunto(registro.AtributosRegistrados):
    def __init__(self, nombre=u''):
        with registro.silencio():
            self.nombre = nombre

    def __repr__(self):
        return '<Conjunto %r>' % (self.nombre,)
