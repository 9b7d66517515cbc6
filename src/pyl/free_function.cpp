#include "free_function.h"

#include <string>

namespace pyl {

Object make_free_function(const FunctionDef& def, const Site& site, PyObject* defaults, int line) {
  Object fn = make_function(def, site, "", defaults, line);
  // make_function names a method "<module>.<class>.<name>"; a free function
  // has no class part.
  const std::string dotted = std::string(site.module) + "." + def.name;
  Object qualname = check(PyString_FromString(dotted.c_str()), line);
  auto* function = reinterpret_cast<Function*>(fn.get());
  Py_SETREF(function->qualname, qualname.release());
  return fn;
}

}  // namespace pyl
