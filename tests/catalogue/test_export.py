# -*- coding: utf-8 -*-
"""The shared library the catalogue is loaded from exports one symbol, its
initialisation function."""
import distutils.spawn
import struct
import subprocess
import unittest

from fixture import TestCase, tc

SHT_DYNSYM = 11
SHN_UNDEF = 0
STB_LOCAL = 0


def elf_exports(path):
    """Names of the defined, non-local symbols of the dynamic symbol table,
    or None when the file is not ELF."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != "\x7fELF":
        return None
    wide = {1: False, 2: True}[ord(data[4])]
    order = {1: "<", 2: ">"}[ord(data[5])]
    if wide:
        shoff, = struct.unpack_from(order + "Q", data, 0x28)
        shentsize, shnum = struct.unpack_from(order + "HH", data, 0x3A)
        section = order + "IIQQQQIIQQ"
    else:
        shoff, = struct.unpack_from(order + "I", data, 0x20)
        shentsize, shnum = struct.unpack_from(order + "HH", data, 0x2E)
        section = order + "IIIIIIIIII"
    sections = [struct.unpack_from(section, data, shoff + i * shentsize) for i in range(shnum)]
    names = []
    for sh in sections:
        if sh[1] != SHT_DYNSYM:
            continue
        offset, size, link, entsize = sh[4], sh[5], sh[6], sh[9]
        strings = sections[link][4]
        for at in range(offset, offset + size, entsize):
            if wide:
                name, info, _other, shndx = struct.unpack_from(order + "IBBH", data, at)
            else:
                name, _value, _size, info, _other, shndx = struct.unpack_from(order + "IIIBBH", data, at)
            if shndx == SHN_UNDEF or info >> 4 == STB_LOCAL:
                continue
            names.append(data[strings + name:data.index("\0", strings + name)])
    return sorted(names)


class ExportTest(TestCase):

    def library(self):
        path = tc.__file__
        self.assertTrue(path.endswith(".so"), path)
        return path

    def test_dynamic_symbol_table_holds_only_the_init_function(self):
        exports = elf_exports(self.library())
        if exports is None:
            raise unittest.SkipTest("the library is not an ELF file")
        self.assertEqual(exports, ["inittablasCatalogo"])

    def test_nm_agrees(self):
        nm = distutils.spawn.find_executable("nm")
        if not nm:
            raise unittest.SkipTest("nm is not installed")
        out = subprocess.check_output([nm, "-D", "--defined-only", self.library()])
        self.assertEqual([line.split()[-1] for line in out.splitlines() if line.strip()],
                         ["inittablasCatalogo"])


if __name__ == "__main__":
    unittest.main()
