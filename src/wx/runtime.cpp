#include "runtime.h"

#include <wx/debug.h>
#include <wx/string.h>

#include "pyl/klass.h"
#include "pyl/ops.h"

namespace wxpy {

namespace {

Errors g_errors{};
Toolkit g_toolkit = Toolkit::idle;
AssertionScope* g_scope = nullptr;

pyl::Object exception_class(pyl::Module& m, const char* name, PyObject* base, int line = PYL_CALLER_LINE) {
  pyl::Object ns = pyl::dict({{pyl::intern("__module__"), pyl::bytes("wx._core", line).get()}}, line);
  pyl::Object bases = pyl::tuple({base}, line);
  pyl::Object cls = pyl::make_class(name, bases.get(), ns.get(), line);
  m.bind(pyl::intern(name), cls.get(), line);
  return cls;
}

void on_assertion(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
  wxString text = wxString::Format("C++ assertion \"%s\" failed at %s(%d) in %s()", cond, file, line, func);
  if (!msg.empty()) text += ": " + msg;
  AssertionScope::report(std::string(text.utf8_str()));
}

}  // namespace

void define_errors(pyl::Module& m) {
  // Kept for the life of the process, like the classes of the module.
  g_errors.dead = exception_class(m, "PyDeadObjectError", PyExc_RuntimeError).release();
  g_errors.no_app = exception_class(m, "PyNoAppError", PyExc_RuntimeError).release();
  g_errors.assertion = exception_class(m, "PyAssertionError", PyExc_AssertionError).release();
}

const Errors& errors() { return g_errors; }

Toolkit toolkit() { return g_toolkit; }
void set_toolkit(Toolkit state) { g_toolkit = state; }

void require_app(int line) {
  switch (g_toolkit) {
    case Toolkit::running:
      return;
    case Toolkit::finished:
      pyl::raise(g_errors.no_app, "The toolkit has been shut down", line);
    default:
      pyl::raise(g_errors.no_app, "The wx.App object must be created first!", line);
  }
}

AssertionScope::AssertionScope(bool collect) : previous_(g_scope), collect_(collect) { g_scope = this; }

AssertionScope::~AssertionScope() { g_scope = previous_; }

void AssertionScope::raise_collected() {
  if (collected_.empty()) return;
  PyErr_SetString(g_errors.assertion, collected_.c_str());
  collected_.clear();
  pyl::rethrow(0);
}

void AssertionScope::report(const std::string& message) {
  if (g_scope && g_scope->collect_) {
    if (!g_scope->collected_.empty()) g_scope->collected_ += "\n";
    g_scope->collected_ += message;
    return;
  }
  PySys_WriteStderr("%.900s\n", message.c_str());
}

void install_assertion_handler() { wxSetAssertHandler(on_assertion); }

}  // namespace wxpy
