# Runs every path of both modules once under the memory checker: the
# catalogue against the recording library, the window against the wx double.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TESTS = os.path.dirname(HERE)
sys.path[:0] = [os.path.join(TESTS, "support")]
import pyxtest

mode = sys.argv[1]
if mode == "catalogue":
    pyxtest.use_paths(os.path.join(TESTS, "catalogue", "recording"), pyxtest.BUILD_PYTHON)
    from Quimbra.librerias.miDjangoModel_v124 import models
    models.instalarTraduccion()
    import pyx.Quimbra.tablasCatalogo as tc

    class Maker(object):
        id = 12
    tc.Fabricante.objects.respuestas[12] = Maker()
    flags = dict(esBdCDomestica="1", esBdCTerciario=u"0", depositoIntegrado=True)
    calls = [
        lambda: tc.CalderaGasoil(fabricante="12", nombreEquipo=u"c"),
        lambda: tc.BombaDeCalor(fabricante=12.7, **flags),
        lambda: tc.Ventilacion(fabricante=None, controlByPass="1"),
        lambda: tc.Ventilacion(fabricante=12),
        lambda: tc.SolarTermica(fabricante="zz"),
        lambda: tc.SolarTermica(fabricante="99"),
        lambda: tc.SolarTermica(1, 2),
        lambda: tc.Fabricante(imagen="a/b.png", nombre=u"n"),
        lambda: tc.Fabricante(imagen=3),
        lambda: tc.VersionActual({"version": 1.0}, descripcion=u"x"),
        lambda: tc.VersionActual(args=[("version", 2.0)]),
        lambda: tc.VersionActual(args=5),
        lambda: unicode(tc.CalderaGasoil(nombreEquipo=u"x")),
    ]
    for call in calls:
        try:
            made = call()
            made.id = 1
            made.fabricante = Maker()
            made.diccionarioTablaSqlite
        except Exception:
            pass
else:
    pyxtest.use_paths(os.path.join(TESTS, "window", "double"), pyxtest.BUILD_PYTHON, pyxtest.HOST)
    import wx
    import Quimbra.variablesGlobales as vg
    from pyx.Quimbra.panelesComunes.ventanaTituloMedidas import DialogCambioNombreProducto
    sys.path.insert(0, os.path.join(TESTS, "window", "double"))
    from padre import VentanaPadre

    class Conjunto(object):
        nombre = u"viejo"
    for obra, texto in [(False, u"nuevo"), (False, u""), (True, u"alt"), (True, u"  ")]:
        vg.obraNueva = obra
        parent = VentanaPadre()
        dialog = DialogCambioNombreProducto(parent, [Conjunto()], Conjunto(), esProyecto=obra,
                                            aplicandoProyecto=False)
        wx.escribir(dialog.nombreCuadro, texto)
        try:
            dialog.OnAceptar(None)
        except Exception:
            pass
        dialog.OnCancelar(None)
    try:
        DialogCambioNombreProducto(None)
    except TypeError:
        pass
print("done")
