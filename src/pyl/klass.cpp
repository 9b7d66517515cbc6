#include "klass.h"

#include "ops.h"

namespace pyl {

namespace {

Object metaclass_for(PyObject* bases, PyObject* namespace_) {
  if (PyObject* declared = PyDict_GetItemString(namespace_, "__metaclass__")) return borrow(declared);
  if (PyTuple_GET_SIZE(bases) == 0) return borrow(reinterpret_cast<PyObject*>(&PyClass_Type));
  PyObject* base = PyTuple_GET_ITEM(bases, 0);
  if (PyObject* cls = PyObject_GetAttrString(base, "__class__")) return steal(cls);
  PyErr_Clear();
  return borrow(reinterpret_cast<PyObject*>(Py_TYPE(base)));
}

// A TypeError from the metaclass most likely means a base that is not a
// class; the interpreter says so in front of the message.
void explain_bad_bases() {
  if (!PyErr_ExceptionMatches(PyExc_TypeError)) return;
  PyObject *type, *value, *tb;
  PyErr_Fetch(&type, &value, &tb);
  if (value && PyString_Check(value)) {
    PyObject* message =
        PyString_FromFormat("Error when calling the metaclass bases\n    %s", PyString_AS_STRING(value));
    if (message) {
      Py_DECREF(value);
      value = message;
    }
  }
  PyErr_Restore(type, value, tb);
}

}  // namespace

Object make_class(const char* name, PyObject* bases, PyObject* namespace_, int line) {
  Object metaclass = metaclass_for(bases, namespace_);
  Object class_name = bytes(name, line);
  PyObject* cls = PyObject_CallFunctionObjArgs(metaclass.get(), class_name.get(), bases, namespace_, nullptr);
  if (!cls) explain_bad_bases();
  return check(cls, line);
}

}  // namespace pyl
