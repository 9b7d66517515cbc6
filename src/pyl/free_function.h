// Module-level functions written in C++: a Function (function.h) named
// "<module>.<name>" in traceback entries, with the same boundary and
// argument binding as methods. Bound at module level it is called as it is;
// it binds as a method only if someone puts it in a class.
#pragma once
#include "python.h"

#include "error.h"
#include "function.h"
#include "object.h"

namespace pyl {

Object make_free_function(const FunctionDef& def, const Site& site, PyObject* defaults = nullptr,
                          int line = PYL_CALLER_LINE);

}  // namespace pyl
