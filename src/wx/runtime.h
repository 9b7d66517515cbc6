// What the whole module shares: its exception classes, the state of the
// toolkit, and toolkit assertions turned into Python errors.
#pragma once
#include "pyl/python.h"

#include <string>

#include "pyl/function.h"
#include "pyl/module.h"

namespace wxpy {

struct Errors {
  PyObject* dead;       // PyDeadObjectError(RuntimeError)
  PyObject* no_app;     // PyNoAppError(RuntimeError)
  PyObject* assertion;  // PyAssertionError(AssertionError)
};

// Creates and binds the exception classes; errors() is valid afterwards.
void define_errors(pyl::Module& m);
const Errors& errors();

// The toolkit runs from the first App until the interpreter exits.
enum class Toolkit { idle, running, failed, finished };
Toolkit toolkit();
void set_toolkit(Toolkit state);
// Raises PyNoAppError unless the toolkit runs.
void require_app(int line = PYL_CALLER_LINE);

// While a scope lives, toolkit assertions are collected (collect = true) and
// raised by raise_collected() as PyAssertionError, or printed to sys.stderr
// as they happen (collect = false: while an event loop or a handler runs).
class AssertionScope {
 public:
  explicit AssertionScope(bool collect);
  ~AssertionScope();
  AssertionScope(const AssertionScope&) = delete;
  AssertionScope& operator=(const AssertionScope&) = delete;
  void raise_collected();

  static void report(const std::string& message);

 private:
  AssertionScope* previous_;
  bool collect_;
  std::string collected_;
};

// Installs the handler that hands assertions to the current scope.
void install_assertion_handler();

// A method or function whose toolkit assertions become PyAssertionError.
template <pyl::Impl F>
pyl::Object guarded(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  AssertionScope scope(true);
  pyl::Object result = F(fn, args, kw);
  scope.raise_collected();
  return result;
}

// Prints the error that is set, as the interpreter prints an uncaught one,
// keeping whatever error was set before the caller started (for code that
// the toolkit runs: event handlers, calls after).
class HandlerScope {
 public:
  HandlerScope() { PyErr_Fetch(&type_, &value_, &traceback_); }
  ~HandlerScope() { PyErr_Restore(type_, value_, traceback_); }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  AssertionScope printing_{false};
  PyObject *type_, *value_, *traceback_;
};

}  // namespace wxpy
