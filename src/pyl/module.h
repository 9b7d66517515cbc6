// Module initialisation: the boundary between an init function and the C++
// body that builds the module, and the module-level statements a body runs.
#pragma once
#include "python.h"

#include "error.h"
#include "function.h"
#include "object.h"

namespace pyl {

class Module {
 public:
  Module(PyObject* module, const Site& site) : module_(module), site_(site) {}
  PyObject* object() const { return module_; }
  PyObject* dict() const { return site_.globals; }
  const Site& site() const { return site_; }

  // name = value, in the module namespace.
  void bind(PyObject* name, PyObject* value, int line = PYL_CALLER_LINE);
  // A name as the module body reads it.
  Object lookup(PyObject* name, int line = PYL_CALLER_LINE) const;

 private:
  PyObject* module_;  // borrowed: sys.modules owns it
  Site site_;
};

struct ModuleDef {
  const char* name;    // the short name the init function is named after
  const char* dotted;  // the full dotted name the application imports
  const char* file;    // the source path shown in tracebacks
  const char* doc;     // nullptr: no docstring
  void (*body)(Module&);
};

// Runs an init function. On failure the error stays set, with an entry
// "init <dotted>" at the failing statement's line, and the half-built module
// is taken out of sys.modules again: the interpreter would otherwise hand it
// out to the next import as if it had succeeded, whereas now a later import
// runs the initialisation afresh.
void initialise(const ModuleDef& def);

// One import statement of a module body, in its three forms:
//   import <module>                  names empty, as null: binds the top package
//   import <module> as <as>          binds the leaf module
//   from <module> import <names...>  binds each name as soon as it is taken
struct Import {
  int line;
  const char* module;
  const char* names[8];
  const char* as;
};

void run_import(Module& m, const Import& statement);

}  // namespace pyl

// The one symbol an extension exports: init<name>.
#if defined(_WIN32)
#define PYL_INIT_FUNCTION(name) extern "C" __declspec(dllexport) void init##name(void)
#else
#define PYL_INIT_FUNCTION(name) extern "C" __attribute__((visibility("default"))) void init##name(void)
#endif
