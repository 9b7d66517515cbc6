// Runs a class declaration as the interpreter runs a class statement.
#pragma once
#include "declarations.h"
#include "pyl/module.h"

namespace catalogue {

// Looks up the bases, runs the body top to bottom (objects, the fields,
// rutaBaseDatos, nombreTabla, the methods), creates the class through its
// metaclass and binds it in the module namespace.
void define_class(pyl::Module& m, const ClassDef& cls);

}  // namespace catalogue
