#include "native.h"

#include <cstddef>

#include "ops.h"

namespace pyl {

namespace {

struct Native {
  PyObject_HEAD
  Handle* handle;
  PyObject* dict;
  PyObject* weakrefs;
};

Native* as_native(PyObject* o) { return reinterpret_cast<Native*>(o); }

void native_dealloc(PyObject* self) {
  PyObject_GC_UnTrack(self);
  Native* n = as_native(self);
  if (n->weakrefs) PyObject_ClearWeakRefs(self);
  // Unhooked first: deleting a handle may run code that looks at self.
  delete std::exchange(n->handle, nullptr);
  Py_CLEAR(n->dict);
  Py_TYPE(self)->tp_free(self);
}

int native_traverse(PyObject* self, visitproc visit, void* arg) {
  Py_VISIT(as_native(self)->dict);
  return 0;
}

// Breaks cycles through the dict; the handle stays until deallocation.
int native_clear(PyObject* self) {
  Py_CLEAR(as_native(self)->dict);
  return 0;
}

PyTypeObject* ready_type(int line) {
  static PyTypeObject type = [] {
    PyTypeObject t{};
    Py_TYPE(&t) = &PyType_Type;
    Py_REFCNT(&t) = 1;
    t.tp_name = "pyl.Native";
    t.tp_basicsize = sizeof(Native);
    t.tp_dealloc = native_dealloc;
    t.tp_flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_BASETYPE | Py_TPFLAGS_HAVE_GC;
    t.tp_traverse = native_traverse;
    t.tp_clear = native_clear;
    t.tp_dictoffset = offsetof(Native, dict);
    t.tp_weaklistoffset = offsetof(Native, weakrefs);
    t.tp_alloc = PyType_GenericAlloc;
    t.tp_new = PyType_GenericNew;
    t.tp_free = PyObject_GC_Del;
    return t;
  }();
  static bool ready = false;
  if (!ready) {
    check_status(PyType_Ready(&type), line);
    ready = true;
  }
  return &type;
}

}  // namespace

PyObject* native_base(int line) { return reinterpret_cast<PyObject*>(ready_type(line)); }

bool is_native(PyObject* o) {
  static PyTypeObject* type = ready_type(0);
  return o && PyObject_TypeCheck(o, type);
}

Handle* handle_of(PyObject* o) { return is_native(o) ? as_native(o)->handle : nullptr; }

void set_handle(PyObject* o, std::unique_ptr<Handle> handle) {
  delete std::exchange(as_native(o)->handle, handle.release());
}

Object new_native(PyObject* cls, int line) {
  if (!PyType_Check(cls) || !PyType_IsSubtype(reinterpret_cast<PyTypeObject*>(cls), ready_type(line)))
    raise(PyExc_TypeError, "new_native: not a native class", line);
  auto* type = reinterpret_cast<PyTypeObject*>(cls);
  Object instance = check(type->tp_new(type, empty_tuple(), nullptr), line);
  if (!is_native(instance.get())) raise(PyExc_TypeError, "new_native: __new__ gave another object", line);
  return instance;
}

}  // namespace pyl
