// wx.Object, wx.EvtHandler and wx.Window, and what the window classes share:
// the parent argument and the making of a window for a Python object.
#pragma once
#include "pyl/python.h"

#include <wx/window.h>

#include "binding.h"
#include "classes.h"
#include "runtime.h"

namespace wxpy {

// The parent argument: a live window, or None where `optional`.
wxWindow* parent_window(PyObject* o, bool optional, int line = PYL_CALLER_LINE);

// Makes self (whose __init__ runs) stand for a new W and creates it with
// create(window), which returns the toolkit's success. Arguments are to be
// converted before, so that a bad one leaves no window behind.
template <class W, class Create>
W* create_window(PyObject* self, Create&& create, int line = PYL_CALLER_LINE) {
  require_uncreated(self, line);
  require_app(line);
  W* window = new W();
  bind_native(window, self);
  if (!create(window)) {
    delete window;
    pyl::raise(PyExc_RuntimeError, "the toolkit could not create the window", line);
  }
  return window;
}

// Defaults shared by the constructors: (DefaultPosition, DefaultSize).
PyObject* default_position();
PyObject* default_size();

extern const ClassDef kObjectClass, kEvtHandlerClass, kWindowClass;

}  // namespace wxpy
