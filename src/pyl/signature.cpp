#include "signature.h"

#include "error.h"
#include "function.h"
#include "ops.h"

namespace pyl {

Signature::Signature(const char* name, std::initializer_list<const char*> params, bool gathers_keywords)
    : name_(name), params_(params), gathers_keywords_(gathers_keywords) {}

PyObject* Signature::parameter(size_t i) const { return intern(params_[i]); }

Arguments Signature::bind(const Function& fn, PyObject* args, PyObject* kw) const {
  const Py_ssize_t count = static_cast<Py_ssize_t>(params_.size());
  const Py_ssize_t ndefaults = fn.defaults ? PyTuple_GET_SIZE(fn.defaults) : 0;
  const Py_ssize_t given = PyTuple_GET_SIZE(args);
  const Py_ssize_t nkw = kw ? PyDict_Size(kw) : 0;
  Arguments bound;

  if (given > count) {
    PyErr_Format(PyExc_TypeError, "%.200s() takes %s %zd argument%s (%zd given)", name_,
                 ndefaults ? "at most" : "exactly", count, count == 1 ? "" : "s", given + nkw);
    rethrow(0);
  }
  for (Py_ssize_t i = 0; i < given; ++i) bound.values[i] = borrow(PyTuple_GET_ITEM(args, i));
  if (gathers_keywords_) bound.kwargs = check(PyDict_New(), 0);

  PyObject *key, *value;
  Py_ssize_t pos = 0;
  while (nkw && PyDict_Next(kw, &pos, &key, &value)) {
    if (!PyString_Check(key) && !PyUnicode_Check(key)) {
      PyErr_Format(PyExc_TypeError, "%.200s() keywords must be strings", name_);
      rethrow(0);
    }
    Py_ssize_t j = 0;
    for (; j < count; ++j) {
      PyObject* param = parameter(j);
      if (key == param) break;
      int same = PyObject_RichCompareBool(key, param, Py_EQ);
      if (same < 0) rethrow(0);
      if (same) break;
    }
    if (j == count) {
      if (!gathers_keywords_) {
        Object spelled = PyString_Check(key) ? borrow(key) : check(PyUnicode_AsEncodedString(key, nullptr, "replace"), 0);
        PyErr_Format(PyExc_TypeError, "%.200s() got an unexpected keyword argument '%.400s'", name_,
                     PyString_AS_STRING(spelled.get()));
        rethrow(0);
      }
      check_status(PyDict_SetItem(bound.kwargs.get(), key, value), 0);
      continue;
    }
    if (bound.values[j]) {
      PyErr_Format(PyExc_TypeError, "%.200s() got multiple values for keyword argument '%.400s'", name_,
                   params_[j]);
      rethrow(0);
    }
    bound.values[j] = borrow(value);
  }

  const Py_ssize_t required = count - ndefaults;
  for (Py_ssize_t i = 0; i < required; ++i) {
    if (bound.values[i]) continue;
    Py_ssize_t have = 0;
    for (Py_ssize_t j = 0; j < count; ++j) have += bound.values[j] ? 1 : 0;
    PyErr_Format(PyExc_TypeError, "%.200s() takes %s %zd argument%s (%zd given)", name_,
                 ndefaults ? "at least" : "exactly", required,
                 required == 1 ? "" : "s", have);
    rethrow(0);
  }
  for (Py_ssize_t i = required; i < count; ++i) {
    if (!bound.values[i]) bound.values[i] = borrow(PyTuple_GET_ITEM(fn.defaults, i - required));
  }
  return bound;
}

}  // namespace pyl
