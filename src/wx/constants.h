// The toolkit's constants under their classic names, with wxWidgets' values.
#pragma once
#include "pyl/module.h"

namespace wxpy {

void define_constants(pyl::Module& m);

}  // namespace wxpy
