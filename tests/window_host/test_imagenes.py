# -*- coding: utf-8 -*-
"""The button pictures: valid 32x32 PNG files, as the generator draws them."""

import os
import shutil
import struct
import sys
import tempfile
import unittest
import zlib

import rutas
import wx

sys.path.insert(0, rutas.HERRAMIENTAS)
import hacerImagenes  # noqa: E402

NOMBRES = ['botonAceptar.png', 'botonAceptar_Over.png', 'botonCerrar.png',
           'botonCerrar_Over.png']


def leerPng(ruta):
    """(width, height, rows of (r, g, b, a)) of an 8-bit RGBA PNG, checking
    signature, chunk CRCs and the filter bytes; raises ValueError."""
    with open(ruta, 'rb') as fichero:
        datos = fichero.read()
    if datos[:8] != '\x89PNG\r\n\x1a\n':
        raise ValueError('not a PNG signature')
    posicion, bloques = 8, []
    while posicion < len(datos):
        largo, = struct.unpack('>I', datos[posicion:posicion + 4])
        tipo = datos[posicion + 4:posicion + 8]
        contenido = datos[posicion + 8:posicion + 8 + largo]
        crc, = struct.unpack('>I', datos[posicion + 8 + largo:
                                         posicion + 12 + largo])
        if zlib.crc32(tipo + contenido) & 0xffffffff != crc:
            raise ValueError('bad CRC in %s' % tipo)
        bloques.append((tipo, contenido))
        posicion += 12 + largo
    if bloques[0][0] != 'IHDR' or bloques[-1][0] != 'IEND':
        raise ValueError('IHDR must come first and IEND last')
    ancho, alto, bits, color, _, _, entrelazado = struct.unpack(
        '>IIBBBBB', bloques[0][1])
    if (bits, color, entrelazado) != (8, 6, 0):
        raise ValueError('expected 8-bit RGBA, not interlaced')
    crudo = zlib.decompress(''.join(c for t, c in bloques if t == 'IDAT'))
    paso = 1 + 4 * ancho
    if len(crudo) != paso * alto:
        raise ValueError('image data of the wrong size')
    filas = []
    for y in range(alto):
        fila = crudo[y * paso:(y + 1) * paso]
        if fila[0] != '\x00':
            raise ValueError('unexpected filter type')
        filas.append([struct.unpack('4B', fila[1 + 4 * x:5 + 4 * x])
                      for x in range(ancho)])
    return ancho, alto, filas


def colorMedio(filas):
    """Mean (r, g, b) of the opaque pixels."""
    opacos = [p for fila in filas for p in fila if p[3] == 255]
    return [sum(p[i] for p in opacos) / float(len(opacos)) for i in range(3)]


class ImagenesTest(unittest.TestCase):
    def test_png_validos_de_32x32_con_transparencia(self):
        for nombre in NOMBRES:
            ancho, alto, filas = leerPng(os.path.join(rutas.IMAGENES, nombre))
            self.assertEqual((ancho, alto), (32, 32), nombre)
            self.assertEqual(filas[0][0][3], 0, nombre)      # corner clear
            self.assertEqual(filas[16][4][3], 255, nombre)   # disc opaque

    def test_colores_y_variantes_over_mas_claras(self):
        # picture, its _Over variant, the channel that dominates
        for normal, encima, canal in [('botonAceptar', 'botonAceptar_Over', 1),
                                      ('botonCerrar', 'botonCerrar_Over', 0)]:
            medioNormal = colorMedio(leerPng(os.path.join(
                rutas.IMAGENES, normal + '.png'))[2])
            medioEncima = colorMedio(leerPng(os.path.join(
                rutas.IMAGENES, encima + '.png'))[2])
            self.assertEqual(medioNormal.index(max(medioNormal)), canal)
            self.assertEqual(medioEncima.index(max(medioEncima)), canal)
            self.assertGreater(sum(medioEncima), sum(medioNormal) + 60)

    def test_el_generador_reproduce_los_ficheros_guardados(self):
        carpeta = tempfile.mkdtemp()
        try:
            hacerImagenes.escribir(carpeta)
            for nombre in NOMBRES:
                with open(os.path.join(carpeta, nombre), 'rb') as nuevo:
                    with open(os.path.join(rutas.IMAGENES, nombre),
                              'rb') as guardado:
                        self.assertEqual(nuevo.read(), guardado.read(),
                                         nombre + ' is out of date: run '
                                         'host/tools/hacerImagenes.py')
        finally:
            shutil.rmtree(carpeta)

    def test_el_toolkit_las_carga_con_su_tamano(self):
        for nombre in NOMBRES:
            imagen = wx.Bitmap(os.path.join(rutas.IMAGENES, nombre))
            self.assertTrue(imagen.IsOk(), nombre)
            self.assertEqual(imagen.GetSize(), (32, 32), nombre)


if __name__ == '__main__':
    unittest.main()
