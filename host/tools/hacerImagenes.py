# -*- coding: utf-8 -*-
"""Draws the button pictures of the naming window as 32x32 RGBA PNG files.

    python2.7 hacerImagenes.py [folder]

The folder defaults to host/Quimbra/imagenes. botonAceptar is a white check
on a green disc, botonCerrar a white cross on a red disc; the _Over variants
(shown under the pointer) use a lighter disc. The output is the same on every
run, so the committed files can be compared with a fresh drawing.
"""

import os
import struct
import sys
import zlib

LADO = 32
MUESTRAS = 4          # samples per pixel side, for smooth edges

VERDE, VERDE_CLARO = (46, 158, 62), (110, 206, 122)
ROJO, ROJO_CLARO = (196, 48, 43), (236, 112, 106)
BLANCO = (255, 255, 255)

# strokes of each mark: segments ((x0, y0), (x1, y1)) in pixels, and width
CHECK = ([((9.0, 16.5), (14.0, 21.5)), ((14.0, 21.5), (23.0, 11.0))], 3.2)
CRUZ = ([((11.0, 11.0), (21.0, 21.0)), ((21.0, 11.0), (11.0, 21.0))], 3.2)

IMAGENES = [
    ('botonAceptar.png', VERDE, CHECK),
    ('botonAceptar_Over.png', VERDE_CLARO, CHECK),
    ('botonCerrar.png', ROJO, CRUZ),
    ('botonCerrar_Over.png', ROJO_CLARO, CRUZ),
]


def _distanciaSegmento(px, py, (x0, y0), (x1, y1)):
    dx, dy = x1 - x0, y1 - y0
    t = ((px - x0) * dx + (py - y0) * dy) / float(dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    cx, cy = x0 + t * dx, y0 + t * dy
    return ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5


def _muestra(px, py, fondo, marca):
    """(r, g, b, a) of one sample point."""
    centro, radio = LADO / 2.0, LADO / 2.0 - 1.0
    if (px - centro) ** 2 + (py - centro) ** 2 > radio ** 2:
        return (0, 0, 0, 0)
    segmentos, ancho = marca
    if any(_distanciaSegmento(px, py, a, b) <= ancho / 2.0
           for a, b in segmentos):
        return BLANCO + (255,)
    return fondo + (255,)


def pixeles(fondo, marca):
    """Rows of (r, g, b, a) pixels, each the mean of its samples."""
    filas = []
    paso = 1.0 / MUESTRAS
    for y in range(LADO):
        fila = []
        for x in range(LADO):
            suma = [0, 0, 0, 0]
            for j in range(MUESTRAS):
                for i in range(MUESTRAS):
                    r, g, b, a = _muestra(x + (i + 0.5) * paso,
                                          y + (j + 0.5) * paso, fondo, marca)
                    suma[0] += r * a
                    suma[1] += g * a
                    suma[2] += b * a
                    suma[3] += a
            alfa = suma[3]
            if alfa:
                color = [int(round(float(c) / alfa)) for c in suma[:3]]
            else:
                color = [0, 0, 0]
            fila.append(tuple(color) + (int(round(
                float(alfa) / (MUESTRAS * MUESTRAS))),))
        filas.append(fila)
    return filas


def _bloque(tipo, datos):
    crc = zlib.crc32(tipo + datos) & 0xffffffff
    return struct.pack('>I', len(datos)) + tipo + datos + struct.pack('>I', crc)


def png(filas):
    """The bytes of an 8-bit RGBA PNG file of filas."""
    alto, ancho = len(filas), len(filas[0])
    crudo = ''.join('\x00' + ''.join(struct.pack('4B', *p) for p in fila)
                    for fila in filas)
    cabecera = struct.pack('>IIBBBBB', ancho, alto, 8, 6, 0, 0, 0)
    return ('\x89PNG\r\n\x1a\n' + _bloque('IHDR', cabecera) +
            _bloque('IDAT', zlib.compress(crudo, 9)) + _bloque('IEND', ''))


def escribir(carpeta):
    """Write the four pictures into carpeta; returns their paths."""
    if not os.path.isdir(carpeta):
        os.makedirs(carpeta)
    rutas = []
    for nombre, fondo, marca in IMAGENES:
        ruta = os.path.join(carpeta, nombre)
        with open(ruta, 'wb') as fichero:
            fichero.write(png(pixeles(fondo, marca)))
        rutas.append(ruta)
    return rutas


def main(argv):
    aqui = os.path.dirname(os.path.abspath(__file__))
    carpeta = argv[1] if len(argv) > 1 else \
        os.path.join(aqui, os.pardir, 'Quimbra', 'imagenes')
    for ruta in escribir(os.path.normpath(carpeta)):
        print ruta


if __name__ == '__main__':
    main(sys.argv)
