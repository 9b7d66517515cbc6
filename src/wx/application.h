// wx.App and the functions of the event loop: GetApp, CallAfter, Yield,
// SafeYield. The toolkit starts with the first App and is shut down when the
// interpreter exits.
#pragma once
#include "classes.h"
#include "pyl/module.h"

namespace wxpy {

extern const ClassDef kAppClass;
extern const std::vector<Method> kAppFunctions;

// Registers the shutdown of the toolkit with the interpreter's atexit.
void register_shutdown(pyl::Module& m);

}  // namespace wxpy
