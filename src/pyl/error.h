// Failure inside C++ code that works for the interpreter. A PyError means
// that a Python exception is set; it carries the source line of the statement
// that failed, which becomes the line of the traceback entry. The only place
// that catches it is the boundary (function.cpp, module.cpp): no C++
// exception ever unwinds through the interpreter.
#pragma once
#include "python.h"

#include "object.h"

// The caller's source line, as a default argument. Compilers without the
// builtin still build; their traceback entries then show line 0.
#if defined(__GNUC__) || defined(__clang__) || (defined(_MSC_VER) && _MSC_VER >= 1926)
#define PYL_CALLER_LINE __builtin_LINE()
#else
#define PYL_CALLER_LINE 0
#endif

namespace pyl {

// A line of 0 means "before the function's first statement" (argument
// binding): like the interpreter, the boundary then adds no entry.
struct PyError {
  int line;
};

// The Python error is already set: pass it on.
[[noreturn]] inline void rethrow(int line = PYL_CALLER_LINE) { throw PyError{line}; }

// Sets a new Python error and fails.
[[noreturn]] inline void raise(PyObject* type, const char* message, int line = PYL_CALLER_LINE) {
  PyErr_SetString(type, message);
  throw PyError{line};
}

// A new reference from the C API, or the error it signalled with NULL.
inline Object check(PyObject* result, int line = PYL_CALLER_LINE) {
  if (!result) rethrow(line);
  return steal(result);
}

// A status from the C API, where -1 signals an error.
inline int check_status(int status, int line = PYL_CALLER_LINE) {
  if (status < 0) rethrow(line);
  return status;
}

}  // namespace pyl
