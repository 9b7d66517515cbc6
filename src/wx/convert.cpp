#include "convert.h"

#include <climits>

#include "pyl/ops.h"

namespace wxpy {

void wrong_type(PyObject* o, const char* what, const char* expected, int line) {
  PyErr_Format(PyExc_TypeError, "%s must be %s, not %.200s", what, expected, Py_TYPE(o)->tp_name);
  pyl::rethrow(line);
}

long to_long(PyObject* o, const char* what, int line) {
  if (!PyInt_Check(o) && !PyLong_Check(o)) wrong_type(o, what, "an integer", line);
  long value = PyInt_AsLong(o);
  if (value == -1 && PyErr_Occurred()) pyl::rethrow(line);
  return value;
}

int to_int(PyObject* o, const char* what, int line) {
  long value = to_long(o, what, line);
  if (value < INT_MIN || value > INT_MAX) {
    PyErr_Format(PyExc_OverflowError, "%s is out of range: %ld", what, value);
    pyl::rethrow(line);
  }
  return static_cast<int>(value);
}

wxString to_string(PyObject* o, const char* what, int line) {
  pyl::Object utf8;
  if (PyUnicode_Check(o)) {
    utf8 = pyl::check(PyUnicode_AsUTF8String(o), line);
  } else if (PyString_Check(o)) {
    // Checked as UTF-8, so that a bad byte string fails here, not silently.
    pyl::check(PyUnicode_FromEncodedObject(o, "utf-8", "strict"), line);
    utf8 = pyl::borrow(o);
  } else {
    wrong_type(o, what, "a string", line);
  }
  return wxString::FromUTF8(PyString_AS_STRING(utf8.get()), PyString_GET_SIZE(utf8.get()));
}

pyl::Object from_string(const wxString& s, int line) {
  const wxScopedCharBuffer utf8 = s.utf8_str();
  return pyl::check(PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.length()), "strict"), line);
}

bool int_pair(PyObject* o, int& first, int& second, int line) {
  if (!PyTuple_Check(o) && !PyList_Check(o)) return false;
  if (PySequence_Fast_GET_SIZE(o) != 2) return false;
  PyObject* a = PySequence_Fast_GET_ITEM(o, 0);
  PyObject* b = PySequence_Fast_GET_ITEM(o, 1);
  auto integral = [](PyObject* v) { return PyInt_Check(v) || PyLong_Check(v); };
  if (!integral(a) || !integral(b)) return false;
  first = to_int(a, "the first item", line);
  second = to_int(b, "the second item", line);
  return true;
}

}  // namespace wxpy
