// Traceback entries for C++ code, shown like those of Python functions.
#pragma once
#include "python.h"

namespace pyl {

// Adds an entry "File <file>, line <line>, in <function>" to the traceback
// of the error that is set. Never fails: if the entry cannot be made, the
// original error stays as it is.
void add_traceback(const char* function, const char* file, int line, PyObject* globals);

}  // namespace pyl
