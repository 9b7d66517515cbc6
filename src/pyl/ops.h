// Checked operations on Python objects, one C API call each. Every operation
// that can fail takes the caller's source line and throws PyError with it, so
// that module code reads like the Python it stands for.
#pragma once
#include "python.h"

#include <initializer_list>
#include <utility>

#include "error.h"
#include "object.h"

namespace pyl {

using Args = std::initializer_list<PyObject*>;
using Kwargs = std::initializer_list<std::pair<PyObject*, PyObject*>>;

// A string of our own, interned once and kept for the life of the process
// (it survives a second initialisation of the module). Borrowed.
PyObject* intern(const char* s);

// A name or a unicode literal made once for the use site and kept, for code
// that reads like Python: attr(self, PYL_NAME("parent")).
#define PYL_NAME(s) ([]() -> PyObject* { static PyObject* const made = ::pyl::intern(s); return made; }())
#define PYL_TEXT(s) ([]() -> PyObject* { static PyObject* const made = ::pyl::text(s).release(); return made; }())

// New objects from C++ literals. Texts are UTF-8.
Object text(const char* utf8, int line = PYL_CALLER_LINE);   // unicode
Object bytes(const char* s, int line = PYL_CALLER_LINE);     // str
Object integer(long v, int line = PYL_CALLER_LINE);
Object real(double v, int line = PYL_CALLER_LINE);
Object tuple(Args items, int line = PYL_CALLER_LINE);
Object dict(Kwargs items = {}, int line = PYL_CALLER_LINE);
Object list(Args items, int line = PYL_CALLER_LINE);
// The empty tuple, shared.
PyObject* empty_tuple();

// o.name, o.name = v
Object attr(PyObject* o, PyObject* name, int line = PYL_CALLER_LINE);
void set_attr(PyObject* o, PyObject* name, PyObject* v, int line = PYL_CALLER_LINE);
// o[key], o[key] = v
Object item(PyObject* o, PyObject* key, int line = PYL_CALLER_LINE);
void set_item(PyObject* o, PyObject* key, PyObject* v, int line = PYL_CALLER_LINE);

// bool(o)
bool truth(PyObject* o, int line = PYL_CALLER_LINE);
// a <op> b taken by its truth value, as an `if` takes it: no identity
// shortcut, so a user's __eq__ or __ne__ always runs.
bool compare(PyObject* a, PyObject* b, int op, int line = PYL_CALLER_LINE);
// a % b, a | b
Object remainder(PyObject* a, PyObject* b, int line = PYL_CALLER_LINE);
Object bit_or(PyObject* a, PyObject* b, int line = PYL_CALLER_LINE);

// f(*args, **kw) with a tuple and a dict (either may be NULL).
Object call_with(PyObject* f, PyObject* args, PyObject* kw, int line = PYL_CALLER_LINE);
// f(a, b, ..., k=v, ...): keywords in the order given.
Object call(PyObject* f, Args args = {}, Kwargs kw = {}, int line = PYL_CALLER_LINE);
// o.name(a, b, ..., k=v): the attribute is looked up on o, so a subclass or
// an instance attribute can override it.
Object call_method(PyObject* o, PyObject* name, Args args = {}, Kwargs kw = {},
                   int line = PYL_CALLER_LINE);

// A name as a function body reads it: the module namespace, then the
// built-ins; NameError "global name ... is not defined" otherwise.
Object global(PyObject* globals, PyObject* name, int line = PYL_CALLER_LINE);
// A name as a class body reads it (the class namespace has not got it):
// the module namespace, then the built-ins; NameError "name ... is not defined".
Object name_in_body(PyObject* globals, PyObject* name, int line = PYL_CALLER_LINE);

}  // namespace pyl
