#include "function.h"

#include <new>
#include <string>

#include "error.h"
#include "ops.h"
#include "traceback.h"

namespace pyl {

namespace {

void function_dealloc(PyObject* self) {
  PyObject_GC_UnTrack(self);
  auto* fn = reinterpret_cast<Function*>(self);
  Py_XDECREF(fn->globals);
  Py_XDECREF(fn->owner);
  Py_XDECREF(fn->qualname);
  Py_XDECREF(fn->defaults);
  Py_XDECREF(fn->unbound);
  PyObject_GC_Del(self);
}

int function_traverse(PyObject* self, visitproc visit, void* arg) {
  auto* fn = reinterpret_cast<Function*>(self);
  Py_VISIT(fn->globals);
  Py_VISIT(fn->defaults);
  Py_VISIT(fn->unbound);
  return 0;
}

int function_clear(PyObject* self) {
  auto* fn = reinterpret_cast<Function*>(self);
  Py_CLEAR(fn->globals);
  Py_CLEAR(fn->defaults);
  Py_CLEAR(fn->unbound);
  return 0;
}

PyObject* function_call(PyObject* self, PyObject* args, PyObject* kw) {
  auto* fn = reinterpret_cast<Function*>(self);
  if (!fn->globals) {
    PyErr_SetString(PyExc_SystemError, "function has been cleared");
    return nullptr;
  }
  // Keep the namespace alive while the body runs, whatever the body does to
  // the module.
  Object globals = borrow(fn->globals);
  try {
    return fn->def->impl(*fn, args, kw).release();
  } catch (const PyError& error) {
    return fail_at(PyString_AS_STRING(fn->qualname), fn->file, globals.get(), error.line);
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
    return nullptr;
  }
}

// Binds like a Python function: instance access gives a bound method, class
// access an unbound one that checks the instance's class.
PyObject* function_get(PyObject* self, PyObject* obj, PyObject* type) {
  if (obj == Py_None) obj = nullptr;
  PyObject* unbound = reinterpret_cast<Function*>(self)->unbound;
  return PyMethod_New(obj || !unbound ? self : unbound, obj, type);
}

// The builtin behind an unbound method: its self is the Function.
PyObject* call_unbound(PyObject* self, PyObject* args, PyObject* kw) { return function_call(self, args, kw); }

PyObject* function_repr(PyObject* self) {
  auto* fn = reinterpret_cast<Function*>(self);
  return PyString_FromFormat("<function %s at %p>", fn->def->name, static_cast<void*>(self));
}

PyObject* get_name(PyObject* self, void*) {
  return PyString_FromString(reinterpret_cast<Function*>(self)->def->name);
}

PyObject* get_none(PyObject*, void*) { Py_RETURN_NONE; }

PyObject* get_defaults(PyObject* self, void*) {
  PyObject* defaults = reinterpret_cast<Function*>(self)->defaults;
  if (!defaults) Py_RETURN_NONE;
  Py_INCREF(defaults);
  return defaults;
}

PyObject* get_module(PyObject* self, void*) {
  auto* fn = reinterpret_cast<Function*>(self);
  PyObject* name = fn->globals ? PyDict_GetItemString(fn->globals, "__name__") : nullptr;
  if (!name) name = Py_None;
  Py_INCREF(name);
  return name;
}

PyGetSetDef function_getset[] = {
    {const_cast<char*>("__name__"), get_name, nullptr, nullptr, nullptr},
    {const_cast<char*>("func_name"), get_name, nullptr, nullptr, nullptr},
    {const_cast<char*>("__doc__"), get_none, nullptr, nullptr, nullptr},
    {const_cast<char*>("__defaults__"), get_defaults, nullptr, nullptr, nullptr},
    {const_cast<char*>("func_defaults"), get_defaults, nullptr, nullptr, nullptr},
    {const_cast<char*>("__module__"), get_module, nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyTypeObject* function_type() {
  static PyTypeObject type = [] {
    PyTypeObject t{};
    Py_TYPE(&t) = &PyType_Type;
    Py_REFCNT(&t) = 1;
    t.tp_name = "pyx_function";
    t.tp_basicsize = sizeof(Function);
    t.tp_dealloc = function_dealloc;
    t.tp_repr = function_repr;
    t.tp_call = function_call;
    t.tp_flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_HAVE_GC;
    t.tp_traverse = function_traverse;
    t.tp_clear = function_clear;
    t.tp_getset = function_getset;
    t.tp_descr_get = function_get;
    return t;
  }();
  static bool ready = false;
  if (!ready) {
    check_status(PyType_Ready(&type), 0);
    ready = true;
  }
  return &type;
}

}  // namespace

PyObject* fail_at(const char* function, const char* file, PyObject* globals, int line) {
  if (!PyErr_Occurred()) PyErr_SetString(PyExc_SystemError, "error return without exception set");
  if (line > 0) add_traceback(function, file, line, globals);
  return nullptr;
}

Object make_function(const FunctionDef& def, const Site& site, const char* owner, PyObject* defaults,
                     int line) {
  std::string dotted = std::string(site.module) + "." + owner + "." + def.name;
  Object owner_name = check(PyString_FromString(owner), line);
  Object qualname = check(PyString_FromString(dotted.c_str()), line);
  auto* fn = PyObject_GC_New(Function, function_type());
  if (!fn) rethrow(line);
  fn->def = &def;
  fn->file = site.file;
  Py_INCREF(site.globals);
  fn->globals = site.globals;
  fn->owner = owner_name.release();
  fn->qualname = qualname.release();
  Py_XINCREF(defaults);
  fn->defaults = defaults;
  fn->unbound_def = PyMethodDef{def.name, reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(call_unbound)),
                                METH_VARARGS | METH_KEYWORDS, nullptr};
  fn->unbound = nullptr;
  Object self = steal(reinterpret_cast<PyObject*>(fn));
  fn->unbound = check(PyCFunction_NewEx(&fn->unbound_def, self.get(), nullptr), line).release();
  PyObject_GC_Track(self.get());
  return self;
}

Object make_property(const FunctionDef& getter, const Site& site, const char* owner, int line) {
  Object fget = make_function(getter, site, owner, nullptr, line);
  return call(reinterpret_cast<PyObject*>(&PyProperty_Type), {fget.get()}, {}, line);
}

}  // namespace pyl
