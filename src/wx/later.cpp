#include "later.h"

#include "toolkit.h"

#include "binding.h"
#include "convert.h"
#include "pyl/native.h"
#include "pyl/ops.h"
#include "pyl/signature.h"
#include "runtime.h"

namespace wxpy {

using pyl::Function;
using pyl::Object;

namespace {

// One-shot timer that calls Python. While it runs it keeps its Python
// object alive, so that wx.CallLater(...) needs no reference of its own.
class PyTimer : public wxTimer {
 public:
  Object function, args, kw, result;
  Object keep;  // the Python object, while the timer runs
  bool has_run = false;

  void Notify() override {
    HandlerScope scope;
    has_run = true;
    result = Object();
    PyObject* value = PyObject_Call(function.get(), args.get(), kw.get());
    if (value) {
      result = pyl::steal(value);
    } else {
      PyErr_Print();
    }
    release();
  }

  // Let go of the Python object later, from the loop: it may be the last
  // reference, and the timer must not be deleted inside its own Notify.
  void release() {
    Object last = std::move(keep);
    if (last) wxTheApp->CallAfter([last] {});
  }
};

struct TimerHandle : pyl::Handle {
  PyTimer timer;
};

PyTimer& timer_of(PyObject* self) {
  auto* handle = pyl::handle_as<TimerHandle>(self);
  if (!handle) {
    if (pyl::is_native(self) && !pyl::handle_of(self)) not_created(self);
    not_a(self, "a wx.CallLater");
  }
  return handle->timer;
}

void start(PyObject* self, PyTimer& timer, int millis) {
  if (!timer.keep) timer.keep = pyl::borrow(self);
  timer.Start(millis, wxTIMER_ONE_SHOT);
}

// CallLater(millis, callableObj, *args, **kwargs): started at once.
Object init(const Function&, PyObject* args, PyObject* kw) {
  const Py_ssize_t given = PyTuple_GET_SIZE(args);
  if (given < 3) {
    PyErr_Format(PyExc_TypeError, "__init__() takes at least 3 arguments (%zd given)", given);
    pyl::rethrow(0);
  }
  PyObject* self = PyTuple_GET_ITEM(args, 0);
  require_uncreated(self);
  int millis = to_int(PyTuple_GET_ITEM(args, 1), "millis");
  PyObject* function = PyTuple_GET_ITEM(args, 2);
  if (!PyCallable_Check(function)) wrong_type(function, "callableObj", "callable");
  require_app();
  auto handle = std::make_unique<TimerHandle>();
  PyTimer& timer = handle->timer;
  timer.function = pyl::borrow(function);
  timer.args = pyl::check(PyTuple_GetSlice(args, 3, given));
  timer.kw = kw ? pyl::check(PyDict_Copy(kw)) : Object();
  pyl::set_handle(self, std::move(handle));
  start(self, timer, millis);
  return pyl::none();
}

// Start(millis=None): again, after millis or the last delay.
Object start_again(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Start", {"self", "millis"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  PyTimer& timer = timer_of(a[0]);
  start(a[0], timer, a[1] == Py_None ? timer.GetInterval() : to_int(a[1], "millis"));
  return pyl::none();
}

Object stop(const Function& fn, PyObject* args, PyObject* kw) {
  PyTimer& timer = timer_of(self_only(fn, args, kw));
  timer.Stop();
  timer.release();
  return pyl::none();
}

Object is_running(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(timer_of(self_only(fn, args, kw)).IsRunning());
}

Object has_run(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(timer_of(self_only(fn, args, kw)).has_run);
}

Object get_result(const Function& fn, PyObject* args, PyObject* kw) {
  PyTimer& timer = timer_of(self_only(fn, args, kw));
  return timer.result ? timer.result : pyl::none();
}

}  // namespace

const ClassDef kCallLaterClass{"CallLater",
                               "Object",
                               {
                                   {{"__init__", guarded<init>}, nullptr},
                                   {{"Start", guarded<start_again>}, [] { return pyl::tuple({Py_None}); }},
                                   {{"Restart", guarded<start_again>}, [] { return pyl::tuple({Py_None}); }},
                                   {{"Stop", guarded<stop>}, nullptr},
                                   {{"IsRunning", guarded<is_running>}, nullptr},
                                   {{"HasRun", guarded<has_run>}, nullptr},
                                   {{"GetResult", guarded<get_result>}, nullptr},
                               },
                               {},
                               false};

}  // namespace wxpy
