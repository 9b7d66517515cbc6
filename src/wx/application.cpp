#include "application.h"

#include "toolkit.h"

#include <csignal>
#include <string>
#include <vector>

#include <wx/evtloop.h>

#include "binding.h"
#include "convert.h"
#include "pyl/free_function.h"
#include "pyl/ops.h"
#include "pyl/signature.h"
#include "runtime.h"
#include "windows.h"

namespace wxpy {

using pyl::Function;
using pyl::Object;

namespace {

// Python's OnInit runs from App.__init__, not from the toolkit.
class PyApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// The program name the toolkit is started with: sys.argv[0] when there is one.
std::string program_name() {
  PyObject* argv = PySys_GetObject(const_cast<char*>("argv"));  // borrowed
  if (argv && PyList_Check(argv) && PyList_GET_SIZE(argv) > 0 && PyString_Check(PyList_GET_ITEM(argv, 0)))
    return PyString_AS_STRING(PyList_GET_ITEM(argv, 0));
  return "python";
}

void start_toolkit(int line = PYL_CALLER_LINE) {
  // The toolkit may keep argv: it lives for the process.
  static std::string name;
  static char* argv[2];
  name = program_name();
  argv[0] = &name[0];
  argv[1] = nullptr;
  int argc = 1;
  wxApp::SetInstance(new PyApp);
  {
    AssertionScope printed(false);
    if (!wxEntryStart(argc, argv)) {
      set_toolkit(Toolkit::failed);
      pyl::raise(PyExc_SystemExit, "Unable to access the X Display, is $DISPLAY set properly?", line);
    }
  }
  set_toolkit(Toolkit::running);
  wxTheApp->OnInitGui();
  // As the toolkit's own start-up would, which MainLoop alone does not run:
  // the loop ends when the last top-level window goes.
  wxTheApp->SetExitOnFrameDelete(true);
  wxInitAllImageHandlers();
  // Toolkit errors go to stderr, never to a box of their own.
  delete wxLog::SetActiveTarget(new wxLogStderr);
}

wxApp* app() {
  require_app();
  return wxTheApp;
}

Object app_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "redirect", "filename", "useBestVisual", "clearSigInt"},
                                  false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  if (toolkit() == Toolkit::finished || toolkit() == Toolkit::failed) require_app();
  if (toolkit() == Toolkit::idle) start_toolkit();
  // A later App takes the place of the earlier one.
  rebind_native(wxTheApp, a[0]);
  if (pyl::truth(a[4])) std::signal(SIGINT, SIG_DFL);
  Object started = pyl::call_method(a[0], pyl::intern("OnInit"));
  if (!pyl::truth(started.get())) pyl::raise(PyExc_SystemExit, "OnInit returned false, exiting...");
  return pyl::none();
}

Object app_defaults() { return pyl::tuple({Py_False, Py_None, Py_False, Py_True}); }

Object on_init(const Function& fn, PyObject* args, PyObject* kw) {
  self_only(fn, args, kw);
  return pyl::boolean(true);
}

wxApp* self_app(const Function& fn, PyObject* args, PyObject* kw) {
  return native<wxApp>(self_only(fn, args, kw), "a wx.App");
}

// Runs until ExitMainLoop() or until the last top-level window has gone.
Object main_loop(const Function& fn, PyObject* args, PyObject* kw) {
  wxApp* a = self_app(fn, args, kw);
  AssertionScope printed(false);
  return pyl::integer(a->MainLoop());
}

Object exit_main_loop(const Function& fn, PyObject* args, PyObject* kw) {
  wxApp* a = self_app(fn, args, kw);
  if (a->IsMainLoopRunning()) a->ExitMainLoop();
  return pyl::none();
}

Object is_main_loop_running(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_app(fn, args, kw)->IsMainLoopRunning());
}

Object set_top_window(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetTopWindow", {"self", "frame"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  native<wxApp>(a[0], "a wx.App")->SetTopWindow(native<wxWindow>(a[1]));
  return pyl::none();
}

Object get_top_window(const Function& fn, PyObject* args, PyObject* kw) {
  return wrap(self_app(fn, args, kw)->GetTopWindow());
}

Object set_exit_on_frame_delete(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetExitOnFrameDelete", {"self", "flag"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  native<wxApp>(a[0], "a wx.App")->SetExitOnFrameDelete(pyl::truth(a[1]));
  return pyl::none();
}

// ---- functions

Object get_app(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Signature("GetApp", {}, false).bind(fn, args, kw);
  if (toolkit() != Toolkit::running) return pyl::none();
  PyObject* current = find_wrapper(wxTheApp);
  return current ? pyl::borrow(current) : pyl::none();
}

// The call made later, from the event loop; an exception is printed.
class Later {
 public:
  Later(Object function, Object args, Object kw)
      : function_(std::move(function)), args_(std::move(args)), kw_(std::move(kw)) {}
  void operator()() const {
    HandlerScope scope;
    PyObject* result = PyObject_Call(function_.get(), args_.get(), kw_.get());
    if (result) {
      Py_DECREF(result);
    } else {
      PyErr_Print();
    }
  }

 private:
  Object function_, args_, kw_;
};

// CallAfter(callable, *args, **kw)
Object call_after(const Function&, PyObject* args, PyObject* kw) {
  if (PyTuple_GET_SIZE(args) < 1) {
    PyErr_Format(PyExc_TypeError, "CallAfter() takes at least 1 argument (%zd given)", PyTuple_GET_SIZE(args));
    pyl::rethrow(0);
  }
  PyObject* function = PyTuple_GET_ITEM(args, 0);
  if (!PyCallable_Check(function)) wrong_type(function, "the first argument", "callable");
  Object rest = pyl::check(PyTuple_GetSlice(args, 1, PyTuple_GET_SIZE(args)));
  Object keywords = kw ? pyl::check(PyDict_Copy(kw)) : Object();
  app()->CallAfter(Later(pyl::borrow(function), rest, keywords));
  return pyl::none();
}

Object yield(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Signature("Yield", {}, false).bind(fn, args, kw);
  wxApp* a = app();
  AssertionScope printed(false);
  return pyl::boolean(a->Yield(false));
}

Object safe_yield(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SafeYield", {"win", "onlyIfNeeded"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* window = a[0] == Py_None ? nullptr : native<wxWindow>(a[0]);
  bool only_if_needed = pyl::truth(a[1]);
  require_app();
  AssertionScope printed(false);
  return pyl::boolean(wxSafeYield(window, only_if_needed));
}

// At exit, while the interpreter still runs: the windows that are left and
// the application go, with the Python objects they keep. Not from inside an
// event loop (sys.exit in a handler): the process ends there anyway.
Object shutdown(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Signature("_shutdown", {}, false).bind(fn, args, kw);
  if (toolkit() != Toolkit::running || wxEventLoopBase::GetActive()) return pyl::none();
  set_toolkit(Toolkit::finished);
  AssertionScope printed(false);
  wxEntryCleanup();
  return pyl::none();
}

const pyl::FunctionDef kShutdown{"_shutdown", shutdown};

}  // namespace

void register_shutdown(pyl::Module& m) {
  install_assertion_handler();
  Object atexit = pyl::check(PyImport_ImportModule("atexit"));
  pyl::call_method(atexit.get(), pyl::intern("register"), {pyl::make_free_function(kShutdown, m.site()).get()});
}

const ClassDef kAppClass{"App",
                         "EvtHandler",
                         {
                             {{"__init__", guarded<app_init>}, app_defaults},
                             {{"OnInit", on_init}, nullptr},
                             {{"MainLoop", guarded<main_loop>}, nullptr},
                             {{"ExitMainLoop", guarded<exit_main_loop>}, nullptr},
                             {{"IsMainLoopRunning", guarded<is_main_loop_running>}, nullptr},
                             {{"SetTopWindow", guarded<set_top_window>}, nullptr},
                             {{"GetTopWindow", guarded<get_top_window>}, nullptr},
                             {{"SetExitOnFrameDelete", guarded<set_exit_on_frame_delete>}, nullptr},
                         },
                         {},
                         false};

const std::vector<Method> kAppFunctions{
    {{"GetApp", get_app}, nullptr},
    {{"CallAfter", guarded<call_after>}, nullptr},
    {{"Yield", guarded<yield>}, nullptr},
    {{"SafeYield", guarded<safe_yield>}, [] { return pyl::tuple({Py_None, Py_False}); }},
};

}  // namespace wxpy
