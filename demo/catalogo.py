# -*- coding: utf-8 -*-
"""Stores a small equipment catalogue through the catalogue classes and shows
what the database holds.

The database is the application's default (see Quimbra.leerDatosFijos; the
environment variable QUIMBRA_RUTA_BD moves it). A second run finds the rows
already stored and only shows them.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path[:0] = [os.environ.get("PYX_BUILD_PYTHON") or os.path.join(REPO, "build", "python"),
                os.path.join(REPO, "host")]

from Quimbra.arranque import instalarTraduccion
instalarTraduccion()

from Quimbra import leerDatosFijos
import pyx.Quimbra.tablasCatalogo as catalogo

FABRICANTES = [
    dict(nombre=u"Termotecnia del Norte", imagen=u"logos/termotecnia.png"),
    dict(nombre=u"Climática Levante", imagen=u"climatica.png"),
]

# Rows as the application's data layer hands them over: the manufacturer as
# its id in text, flags as "1"/"0".
def equipos(norte, levante):
    return [
        (catalogo.CalderaGasNatural, dict(fabricante=norte, nombreEquipo=u"Condensa 24", potencia=24.0,
                                          rendimientoCalefaccionPCS=93.0)),
        (catalogo.CalderaBiomasa, dict(fabricante=norte, nombreEquipo=u"Pellet 18", potencia=18.0,
                                       rendimientoCalefaccionPCS=88.5)),
        (catalogo.CalderaGasoil, dict(fabricante=levante, nombreEquipo=u"Gasóleo 30", potencia=30.0,
                                      rendimientoCalefaccionPCS=90.0)),
        (catalogo.BombaDeCalor, dict(fabricante=levante, nombreEquipo=u"Split 5", potenciaCal=5.2, cop_35=4.1,
                                     esBdCDomestica="1", esBdCTerciario="0", depositoIntegrado="0")),
        (catalogo.Aerotermia, dict(fabricante=levante, nombreEquipo=u"Aero 8", potenciaCal=8.0, cop_35=4.6,
                                   esBdCDomestica="1", esBdCTerciario="0", depositoIntegrado="1",
                                   listadoCOP=[4.6, 4.2, 3.9, 3.5, 3.1, 2.8])),
        (catalogo.AerotermiaACS, dict(fabricante=norte, nombreEquipo=u"ACS 200", volumen=200.0, scopDhw=3.2,
                                      esBdCDomestica="1", esBdCTerciario="0", depositoIntegrado="1")),
        (catalogo.Ventilacion, dict(fabricante=norte, nombreEquipo=u"Recupera 350", caudalNominal=350.0,
                                    rendNominal=89.0, controlByPass="1")),
        (catalogo.SistemaHibrido, dict(fabricante=levante, nombreEquipo=u"Híbrido 25", caldera_potencia=25.0,
                                       bdc_potencia=6.0, rendimientoTotalCalefaccion=120.0)),
        (catalogo.SolarTermica, dict(fabricante=norte, nombreEquipo=u"Captador 2.1", areaUtilSolar=2.1,
                                     rendimientoOptico=78.0, volumenAcumulacion=150.0)),
    ]

MODELOS = [catalogo.CalderaGasNatural, catalogo.CalderaBiomasa, catalogo.CalderaGasoil, catalogo.BombaDeCalor,
           catalogo.Aerotermia, catalogo.AerotermiaACS, catalogo.Ventilacion, catalogo.SistemaHibrido,
           catalogo.SolarTermica]


def guardar():
    ids = []
    for datos in FABRICANTES:
        fabricante = catalogo.Fabricante(**datos)
        fabricante.save()
        ids.append(str(fabricante.id))
    for modelo, datos in equipos(*ids):
        modelo(**datos).save()


def detalle(equipo):
    if isinstance(equipo, catalogo.Bdc):
        return u"domestica=%s deposito=%s COP=%s" % (equipo.esBdCDomestica, equipo.depositoIntegrado,
                                                    equipo.listadoCOP)
    if isinstance(equipo, catalogo.Ventilacion):
        return u"by-pass=%s caudal=%s m3/h" % (equipo.controlByPass, equipo.caudalNominal)
    if isinstance(equipo, catalogo.Caldera):
        return u"%s kW, tipo %s" % (equipo.potencia, equipo.tipoCaldera)
    if isinstance(equipo, catalogo.SistemaHibrido):
        return u"caldera %s kW + bdc %s kW" % (equipo.caldera_potencia, equipo.bdc_potencia)
    return u"%s m2, %s l" % (equipo.areaUtilSolar, equipo.volumenAcumulacion)


def fila(columnas, anchos):
    return u"  ".join(unicode(c).ljust(a) for c, a in zip(columnas, anchos))


def mostrar():
    print(u"Fabricantes (%s)" % catalogo.Fabricante.nombreTabla).encode("utf-8")
    for fabricante in catalogo.Fabricante.objects.all():
        print(fila([fabricante.id, fabricante, fabricante.imagen], [4, 24, 20])).encode("utf-8")
    print
    anchos = [26, 4, 14, 22, 0]
    print(fila([u"tabla", u"id", u"equipo", u"fabricante", u"datos"], anchos)).encode("utf-8")
    for modelo in MODELOS:
        for equipo in modelo.objects.all():
            again = modelo.objects.get(id=equipo.id)
            assert unicode(again) == unicode(equipo)
            print(fila([modelo.nombreTabla, equipo.id, equipo, equipo.fabricante, detalle(equipo)],
                       anchos)).encode("utf-8")


def main():
    print("Catalogue database: %s" % leerDatosFijos.rutaBD)
    if catalogo.Fabricante.objects.all():
        print("Already stored; showing what is there.\n")
    else:
        guardar()
        print("Stored %d manufacturers and %d pieces of equipment.\n" % (len(FABRICANTES), len(MODELOS)))
    mostrar()


if __name__ == "__main__":
    main()
