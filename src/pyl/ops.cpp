#include "ops.h"

#include <string>
#include <unordered_map>

namespace pyl {

PyObject* intern(const char* s) {
  // Names are few and fixed; the map owns one reference to each for ever.
  static auto& names = *new std::unordered_map<std::string, PyObject*>;
  auto found = names.find(s);
  if (found != names.end()) return found->second;
  PyObject* name = PyString_InternFromString(s);
  if (!name) rethrow(0);
  names.emplace(s, name);
  return name;
}

Object text(const char* utf8, int line) {
  return check(PyUnicode_DecodeUTF8(utf8, static_cast<Py_ssize_t>(std::char_traits<char>::length(utf8)), "strict"), line);
}

Object bytes(const char* s, int line) { return check(PyString_FromString(s), line); }
Object integer(long v, int line) { return check(PyInt_FromLong(v), line); }
Object real(double v, int line) { return check(PyFloat_FromDouble(v), line); }

Object tuple(Args items, int line) {
  Object t = check(PyTuple_New(static_cast<Py_ssize_t>(items.size())), line);
  Py_ssize_t i = 0;
  for (PyObject* item : items) {
    Py_INCREF(item);
    PyTuple_SET_ITEM(t.get(), i++, item);
  }
  return t;
}

Object dict(Kwargs items, int line) {
  Object d = check(PyDict_New(), line);
  for (const auto& entry : items) check_status(PyDict_SetItem(d.get(), entry.first, entry.second), line);
  return d;
}

Object list(Args items, int line) {
  Object l = check(PyList_New(static_cast<Py_ssize_t>(items.size())), line);
  Py_ssize_t i = 0;
  for (PyObject* item : items) {
    Py_INCREF(item);
    PyList_SET_ITEM(l.get(), i++, item);
  }
  return l;
}

PyObject* empty_tuple() {
  static PyObject* empty = nullptr;
  if (!empty && !(empty = PyTuple_New(0))) rethrow(0);
  return empty;
}

Object attr(PyObject* o, PyObject* name, int line) { return check(PyObject_GetAttr(o, name), line); }

void set_attr(PyObject* o, PyObject* name, PyObject* v, int line) {
  check_status(PyObject_SetAttr(o, name, v), line);
}

Object item(PyObject* o, PyObject* key, int line) { return check(PyObject_GetItem(o, key), line); }

void set_item(PyObject* o, PyObject* key, PyObject* v, int line) {
  check_status(PyObject_SetItem(o, key, v), line);
}

bool truth(PyObject* o, int line) { return check_status(PyObject_IsTrue(o), line) != 0; }

bool compare(PyObject* a, PyObject* b, int op, int line) {
  Object outcome = check(PyObject_RichCompare(a, b, op), line);
  return truth(outcome.get(), line);
}

Object remainder(PyObject* a, PyObject* b, int line) { return check(PyNumber_Remainder(a, b), line); }
Object bit_or(PyObject* a, PyObject* b, int line) { return check(PyNumber_Or(a, b), line); }

Object call_with(PyObject* f, PyObject* args, PyObject* kw, int line) {
  return check(PyObject_Call(f, args ? args : empty_tuple(), kw), line);
}

Object call(PyObject* f, Args args, Kwargs kw, int line) {
  Object positional = args.size() ? tuple(args, line) : borrow(empty_tuple());
  Object keywords = kw.size() ? dict(kw, line) : Object();
  return call_with(f, positional.get(), keywords.get(), line);
}

Object call_method(PyObject* o, PyObject* name, Args args, Kwargs kw, int line) {
  Object method = attr(o, name, line);
  return call(method.get(), args, kw, line);
}

namespace {

Object lookup(PyObject* globals, PyObject* name, const char* format, int line) {
  PyObject* found = PyDict_GetItem(globals, name);
  if (!found) {
    PyObject* builtins = PyEval_GetBuiltins();
    found = builtins ? PyDict_GetItem(builtins, name) : nullptr;
  }
  if (!found) {
    PyErr_Format(PyExc_NameError, format, PyString_AS_STRING(name));
    rethrow(line);
  }
  return borrow(found);
}

}  // namespace

Object global(PyObject* globals, PyObject* name, int line) {
  return lookup(globals, name, "global name '%.200s' is not defined", line);
}

Object name_in_body(PyObject* globals, PyObject* name, int line) {
  return lookup(globals, name, "name '%.200s' is not defined", line);
}

}  // namespace pyl
