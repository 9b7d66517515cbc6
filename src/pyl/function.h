// Functions written in C++ that behave like Python functions in a class
// dict: they bind as methods (a descriptor returning a bound or unbound
// method), so they can sit in the class namespace before the metaclass runs,
// and calling the raw dict entry with the instance works too. The boundary
// between C++ and the interpreter is here: an implementation throws PyError,
// the call returns NULL with a traceback entry that names the function by its
// dotted path.
#pragma once
#include "python.h"

#include "error.h"
#include "object.h"

namespace pyl {

struct Function;

// An implementation receives the function (its module namespace, its class
// name, its defaults) and the call's arguments as the interpreter passes
// them: the instance first in args; kw may be NULL and may be the caller's
// own dict, which must not be modified.
using Impl = Object (*)(const Function& fn, PyObject* args, PyObject* kw);

struct FunctionDef {
  const char* name;
  Impl impl;
};

// Where functions are made: the module namespace they read their globals
// from, and the names their traceback entries show.
struct Site {
  PyObject* globals;    // borrowed: the module dict
  const char* module;   // dotted module name, e.g. "pkg.mod"
  const char* file;     // source path shown in tracebacks
};

struct Function {
  PyObject_HEAD
  const FunctionDef* def;
  const char* file;
  PyObject* globals;    // the module dict
  PyObject* owner;      // the class name (str), looked up at call time
  PyObject* qualname;   // "module.Class.method" (str)
  PyObject* defaults;   // tuple of the last parameters' defaults, or NULL
  // Reached through the class, a method is an unbound method around this
  // builtin of the same name, so that calling it without an instance says
  // "unbound method <name>() must be called with ..." as for a def.
  PyMethodDef unbound_def;
  PyObject* unbound;
};

// A new function for the class `owner` (a class name) of the site.
Object make_function(const FunctionDef& def, const Site& site, const char* owner,
                     PyObject* defaults = nullptr, int line = PYL_CALLER_LINE);
// property(fget) around a new function: a read-only property.
Object make_property(const FunctionDef& getter, const Site& site, const char* owner,
                     int line = PYL_CALLER_LINE);

// The PyError boundary for code the interpreter calls that is not a
// Function (module initialisation has its own, in module.cpp).
PyObject* fail_at(const char* function, const char* file, PyObject* globals, int line);

}  // namespace pyl
