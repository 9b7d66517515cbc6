#include "module.h"

#include <new>
#include <string>

#include "ops.h"
#include "traceback.h"

namespace pyl {

void Module::bind(PyObject* name, PyObject* value, int line) {
  check_status(PyDict_SetItem(dict(), name, value), line);
}

Object Module::lookup(PyObject* name, int line) const { return name_in_body(dict(), name, line); }

namespace {

// Takes the module out of sys.modules, if it is still the one there,
// keeping the error that is set.
void forget(PyObject* module) {
  PyObject *type, *value, *tb;
  PyErr_Fetch(&type, &value, &tb);
  if (const char* name = PyModule_GetName(module)) {
    PyObject* modules = PyImport_GetModuleDict();
    if (PyDict_GetItemString(modules, name) == module) PyDict_DelItemString(modules, name);
  }
  PyErr_Clear();
  PyErr_Restore(type, value, tb);
}

}  // namespace

void initialise(const ModuleDef& def) {
  const std::string entry = std::string("init ") + def.dotted;
  const int create_line = __LINE__ + 1;
  PyObject* module = Py_InitModule4(def.name, nullptr, def.doc, nullptr, PYTHON_API_VERSION);
  if (!module) {
    if (!PyErr_Occurred()) PyErr_SetString(PyExc_ImportError, entry.c_str());
    add_traceback(entry.c_str(), def.file, create_line, nullptr);
    return;
  }
  Module m(module, Site{PyModule_GetDict(module), def.dotted, def.file});
  int failed_line = 0;
  try {
    def.body(m);
    return;
  } catch (const PyError& error) {
    failed_line = error.line;
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
  }
  if (!PyErr_Occurred()) PyErr_SetString(PyExc_ImportError, entry.c_str());
  add_traceback(entry.c_str(), def.file, failed_line, m.dict());
  forget(module);
}

void run_import(Module& m, const Import& statement) {
  const int line = statement.line;
  PyObject* builtins = PyEval_GetBuiltins();
  PyObject* importer = builtins ? PyDict_GetItemString(builtins, "__import__") : nullptr;
  if (!importer) raise(PyExc_ImportError, "__import__ not found", line);

  Object fromlist = none();
  size_t count = 0;
  while (count < 8 && statement.names[count]) ++count;
  if (count) {
    fromlist = check(PyTuple_New(static_cast<Py_ssize_t>(count)), line);
    for (size_t i = 0; i < count; ++i) {
      PyObject* name = intern(statement.names[i]);
      Py_INCREF(name);
      PyTuple_SET_ITEM(fromlist.get(), static_cast<Py_ssize_t>(i), name);
    }
  }
  Object dotted = bytes(statement.module, line);
  Object level = integer(-1, line);
  Object imported = call(importer, {dotted.get(), m.dict(), m.dict(), fromlist.get(), level.get()}, {}, line);

  if (count) {  // from <module> import <names>
    for (size_t i = 0; i < count; ++i) {
      PyObject* name = intern(statement.names[i]);
      PyObject* value = PyObject_GetAttr(imported.get(), name);
      if (!value && PyErr_ExceptionMatches(PyExc_AttributeError))
        PyErr_Format(PyExc_ImportError, "cannot import name %.230s", statement.names[i]);
      m.bind(name, check(value, line).get(), line);
    }
    return;
  }
  const std::string path = statement.module;
  if (!statement.as) {  // import <module>: the top package
    m.bind(intern(path.substr(0, path.find('.')).c_str()), imported.get(), line);
    return;
  }
  // import <module> as <as>: the leaf, reached attribute by attribute
  size_t dot = path.find('.');
  while (dot != std::string::npos) {
    size_t next = path.find('.', dot + 1);
    imported = attr(imported.get(), intern(path.substr(dot + 1, next - dot - 1).c_str()), line);
    dot = next;
  }
  m.bind(intern(statement.as), imported.get(), line);
}

}  // namespace pyl
