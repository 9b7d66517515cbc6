// Which Python object stands for each toolkit object that handles events
// (windows, the application). The toolkit object keeps its Python object
// alive until the toolkit deletes it, so a window always comes back as the
// same object, with its class and attributes; afterwards the Python object
// lives on as long as Python holds it, and its toolkit methods raise
// PyDeadObjectError.
#pragma once
#include "pyl/python.h"

#include <wx/event.h>

#include "pyl/error.h"
#include "pyl/native.h"
#include "pyl/object.h"

namespace wxpy {

// What a Python object of a toolkit object carries.
struct Target : pyl::Handle {
  wxEvtHandler* handler = nullptr;  // nullptr once the toolkit has deleted it
};

// Makes wrapper (a native instance with no handle yet) stand for handler.
void bind_native(wxEvtHandler* handler, PyObject* wrapper);
// Makes wrapper stand for handler instead of the object that did so far,
// whose toolkit methods then raise PyDeadObjectError.
void rebind_native(wxEvtHandler* handler, PyObject* wrapper);
// The Python object of handler, or nullptr if it has none yet. Borrowed.
PyObject* find_wrapper(wxEvtHandler* handler);
// The Python object of handler, made now (of the class that fits its C++
// type) if it has none. None for nullptr.
pyl::Object wrap(wxEvtHandler* handler, int line = PYL_CALLER_LINE);

// The live toolkit object of self. Raises TypeError when self is not a
// Python object of a T, RuntimeError when its __init__ has not created it,
// PyDeadObjectError when the toolkit has deleted it.
wxEvtHandler* target_of(PyObject* self, const char* expected = "a wx.EvtHandler", int line = PYL_CALLER_LINE);
[[noreturn]] void not_a(PyObject* self, const char* expected, int line = PYL_CALLER_LINE);
// RuntimeError: self's __init__ has not made its toolkit part.
[[noreturn]] void not_created(PyObject* self, int line = PYL_CALLER_LINE);
// PyDeadObjectError: the toolkit has deleted self's toolkit part.
[[noreturn]] void deleted(PyObject* self, int line = PYL_CALLER_LINE);

template <class T>
T* native(PyObject* self, const char* expected = "a wx.Window", int line = PYL_CALLER_LINE) {
  T* object = dynamic_cast<T*>(target_of(self, expected, line));
  if (!object) not_a(self, expected, line);
  return object;
}

// Raises RuntimeError unless self is a native instance whose toolkit part
// has not been made yet (what an __init__ checks first).
void require_uncreated(PyObject* self, int line = PYL_CALLER_LINE);

}  // namespace wxpy
