// The names and constants the catalogue's methods use on every call, made
// once at the first initialisation and kept (a second initialisation finds
// them ready).
#pragma once
#include "pyl/python.h"

namespace catalogue {

struct Names {
  PyObject* init;                    // "__init__"
  PyObject* diccionarioTablaSqlite;
  PyObject* id;                      // attribute, keyword and row key
  PyObject* fabricante;              // keyword, attribute and row key
  PyObject* Fabricante;
  PyObject* objects;
  PyObject* get;
  PyObject* imagen;
  PyObject* os;
  PyObject* path;
  PyObject* basename;
  PyObject* nombre;
  PyObject* nombreEquipo;
  PyObject* esBdCDomestica;
  PyObject* esBdCTerciario;
  PyObject* depositoIntegrado;
  PyObject* controlByPass;
  PyObject* one;                     // "1", what a stored true flag reads
  PyObject* display;                 // u"%s"
};

// Throws PyError if they cannot be made.
const Names& names();

}  // namespace catalogue
