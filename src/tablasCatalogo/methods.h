// The methods of the catalogue's models.
#pragma once
#include "pyl/function.h"

namespace catalogue {

// VersionActual.__init__(self, args={}, **kwargs): a true `args` mapping
// takes the place of the keywords.
extern const pyl::FunctionDef kVersionInit;

// Fabricante.__init__(self, **kwargs): "imagen" reduced to its base name.
extern const pyl::FunctionDef kFabricanteInit;
// Fabricante.__unicode__: the name.
extern const pyl::FunctionDef kFabricanteUnicode;
// Fabricante.diccionarioTablaSqlite: the library's row with "id".
extern const pyl::FunctionDef kFabricanteDiccionario;

// __init__(self, **kwargs) of the equipment models: the manufacturer id
// becomes the manufacturer; the heat pumps and the ventilation units then
// turn their flags into booleans.
extern const pyl::FunctionDef kEquipoInit;
extern const pyl::FunctionDef kBdcInit;
extern const pyl::FunctionDef kVentilacionInit;
// __unicode__ of the equipment models: the equipment name.
extern const pyl::FunctionDef kEquipoUnicode;
// diccionarioTablaSqlite of the equipment models: the library's row with
// "id" and the manufacturer's id under "fabricante".
extern const pyl::FunctionDef kEquipoDiccionario;

}  // namespace catalogue
