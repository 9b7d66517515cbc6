// Events: the classes a handler receives, the binders (EVT_BUTTON ...) and
// the functor through which the toolkit calls a Python handler.
#pragma once
#include "pyl/python.h"

#include <wx/event.h>

#include "classes.h"
#include "pyl/module.h"
#include "pyl/object.h"

namespace wxpy {

// Calls a Python callable with the Python object of the event. A Python
// exception is printed with its traceback and the event loop goes on.
class Callback {
 public:
  explicit Callback(pyl::Object function) : function_(std::move(function)) {}
  void operator()(wxEvent& event) const;

 private:
  pyl::Object function_;
};

// A Python object for an event the toolkit is dispatching now. Once the
// handler returns, finish_event() gives it a copy of its own if Python kept
// it, so that it never points to the toolkit's event afterwards.
pyl::Object wrap_event(wxEvent& event, int line = PYL_CALLER_LINE);
void finish_event(PyObject* wrapper);

// The toolkit event of a Python event object (raises if it has none).
wxEvent& event_of(PyObject* o, const char* what, int line = PYL_CALLER_LINE);

extern const ClassDef kEventClass, kCommandEventClass, kCloseEventClass, kMouseEventClass, kEventBinderClass;

// The event type numbers and the EVT_... binders.
void define_binders(pyl::Module& m);

}  // namespace wxpy
