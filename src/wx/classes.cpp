#include "classes.h"

#include <map>
#include <string>

#include "pyl/free_function.h"
#include "pyl/klass.h"
#include "pyl/native.h"
#include "pyl/ops.h"

namespace wxpy {

namespace {

// One reference to each class, kept for the life of the process (no
// destructor of ours runs after the interpreter has gone).
std::map<std::string, PyObject*>& registry() {
  static auto* classes = new std::map<std::string, PyObject*>;
  return *classes;
}

pyl::Site g_site{};

pyl::Object defaults_of(const Method& method) { return method.defaults ? method.defaults() : pyl::Object(); }

pyl::Object property(const Property& p, const char* owner, int line = PYL_CALLER_LINE) {
  pyl::Object get = pyl::make_function(p.get, g_site, owner, nullptr, line);
  if (!p.set.impl) return pyl::call(reinterpret_cast<PyObject*>(&PyProperty_Type), {get.get()}, {}, line);
  pyl::Object set = pyl::make_function(p.set, g_site, owner, nullptr, line);
  return pyl::call(reinterpret_cast<PyObject*>(&PyProperty_Type), {get.get(), set.get()}, {}, line);
}

}  // namespace

const pyl::Site& site() { return g_site; }

void define_class(pyl::Module& m, const ClassDef& cls) {
  g_site = m.site();
  pyl::Object ns = pyl::dict({{pyl::intern("__module__"), pyl::bytes(m.site().module).get()}});
  for (const Method& method : cls.methods) {
    pyl::Object defaults = defaults_of(method);
    pyl::Object fn = pyl::make_function(method.def, g_site, cls.name, defaults.get());
    pyl::set_item(ns.get(), pyl::intern(method.def.name), fn.get());
  }
  for (const Property& p : cls.properties) pyl::set_item(ns.get(), pyl::intern(p.name), property(p, cls.name).get());
  if (cls.unhashable) pyl::set_item(ns.get(), pyl::intern("__hash__"), Py_None);

  PyObject* base = cls.base ? class_named(cls.base) : pyl::native_base();
  pyl::Object bases = pyl::tuple({base});
  pyl::Object made = pyl::make_class(cls.name, bases.get(), ns.get());
  m.bind(pyl::intern(cls.name), made.get());
  PyObject*& kept = registry()[cls.name];
  Py_XDECREF(kept);
  kept = made.release();
}

PyObject* class_named(const char* name, int line) {
  auto found = registry().find(name);
  if (found == registry().end()) {
    PyErr_Format(PyExc_SystemError, "wx class %s is not defined yet", name);
    pyl::rethrow(line);
  }
  return found->second;
}

void define_functions(pyl::Module& m, const std::vector<Method>& functions) {
  g_site = m.site();
  for (const Method& function : functions) {
    pyl::Object defaults = defaults_of(function);
    m.bind(pyl::intern(function.def.name), pyl::make_free_function(function.def, g_site, defaults.get()).get());
  }
}

}  // namespace wxpy

#include "pyl/signature.h"

namespace wxpy {

PyObject* self_only(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Signature(fn.def->name, {"self"}, false).bind(fn, args, kw);
  return PyTuple_GET_ITEM(args, 0);
}

}  // namespace wxpy
