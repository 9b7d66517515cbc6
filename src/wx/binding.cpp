#include "binding.h"

#include "toolkit.h"

#include <unordered_map>

#include <wx/tracker.h>

#include "classes.h"
#include "pyl/ops.h"
#include "runtime.h"

namespace wxpy {

namespace {

class Binding;
std::unordered_map<wxEvtHandler*, Binding*>& bindings() {
  // Never destroyed: toolkit objects may still go after static destructors.
  static auto* table = new std::unordered_map<wxEvtHandler*, Binding*>;
  return *table;
}

void mark_dead(PyObject* wrapper) {
  if (Target* target = pyl::handle_as<Target>(wrapper)) target->handler = nullptr;
}

// Owned by the toolkit object: wxTrackable tells it of the deletion, after
// the object's own destructors have run.
class Binding : public wxTrackerNode {
 public:
  Binding(wxEvtHandler* handler, pyl::Object wrapper) : handler_(handler), wrapper_(std::move(wrapper)) {}

  PyObject* wrapper() const { return wrapper_.get(); }
  void replace(pyl::Object wrapper) {
    mark_dead(wrapper_.get());
    wrapper_ = std::move(wrapper);
  }
  // Early notice (a window's destroy event): no toolkit call from now on.
  void dying() { mark_dead(wrapper_.get()); }

  void OnObjectDestroy() override {
    mark_dead(wrapper_.get());
    bindings().erase(handler_);
    pyl::Object last = std::move(wrapper_);
    delete this;
    // `last` goes here, possibly running Python code: nothing of ours is
    // left to touch.
  }

 private:
  wxEvtHandler* handler_;
  pyl::Object wrapper_;
};

PyObject* class_for(wxEvtHandler* handler) {
  // Most derived first.
  if (dynamic_cast<wxMessageDialogBase*>(handler)) return class_named("MessageDialog");
  if (dynamic_cast<wxDialog*>(handler)) return class_named("Dialog");
  if (dynamic_cast<wxFrame*>(handler)) return class_named("Frame");
  if (dynamic_cast<wxTopLevelWindow*>(handler)) return class_named("TopLevelWindow");
  if (dynamic_cast<wxBitmapButton*>(handler)) return class_named("BitmapButton");
  if (dynamic_cast<wxButton*>(handler)) return class_named("Button");
  if (dynamic_cast<wxTextCtrl*>(handler)) return class_named("TextCtrl");
  if (dynamic_cast<wxStaticText*>(handler)) return class_named("StaticText");
  if (dynamic_cast<wxListBox*>(handler)) return class_named("ListBox");
  if (dynamic_cast<wxControl*>(handler)) return class_named("Control");
  if (dynamic_cast<wxPanel*>(handler)) return class_named("Panel");
  if (dynamic_cast<wxWindow*>(handler)) return class_named("Window");
  return class_named("EvtHandler");
}

}  // namespace

void bind_native(wxEvtHandler* handler, PyObject* wrapper) {
  auto target = std::make_unique<Target>();
  target->handler = handler;
  auto* binding = new Binding(handler, pyl::borrow(wrapper));
  pyl::set_handle(wrapper, std::move(target));
  handler->AddNode(binding);
  bindings()[handler] = binding;
  if (auto* window = dynamic_cast<wxWindow*>(handler)) {
    // Destroy events of children come up here too: only our own counts.
    window->Bind(wxEVT_DESTROY, [window](wxWindowDestroyEvent& event) {
      if (event.GetEventObject() == window) {
        auto found = bindings().find(window);
        if (found != bindings().end()) found->second->dying();
      }
      event.Skip();
    });
  }
}

void rebind_native(wxEvtHandler* handler, PyObject* wrapper) {
  auto found = bindings().find(handler);
  if (found == bindings().end()) return bind_native(handler, wrapper);
  if (found->second->wrapper() == wrapper) return;
  auto target = std::make_unique<Target>();
  target->handler = handler;
  pyl::set_handle(wrapper, std::move(target));
  found->second->replace(pyl::borrow(wrapper));
}

PyObject* find_wrapper(wxEvtHandler* handler) {
  auto found = bindings().find(handler);
  return found == bindings().end() ? nullptr : found->second->wrapper();
}

pyl::Object wrap(wxEvtHandler* handler, int line) {
  if (!handler) return pyl::none();
  if (PyObject* known = find_wrapper(handler)) return pyl::borrow(known);
  pyl::Object wrapper = pyl::new_native(class_for(handler), line);
  bind_native(handler, wrapper.get());
  return wrapper;
}

void not_a(PyObject* self, const char* expected, int line) {
  PyErr_Format(PyExc_TypeError, "expected %s, got %.200s", expected, Py_TYPE(self)->tp_name);
  pyl::rethrow(line);
}

void not_created(PyObject* self, int line) {
  PyErr_Format(PyExc_RuntimeError, "The C++ part of the %.200s object has not been created: its __init__ has not run",
               Py_TYPE(self)->tp_name);
  pyl::rethrow(line);
}

void deleted(PyObject* self, int line) {
  PyErr_Format(errors().dead,
               "The C++ part of the %.200s object has been deleted, its toolkit methods can no longer be called",
               Py_TYPE(self)->tp_name);
  pyl::rethrow(line);
}

wxEvtHandler* target_of(PyObject* self, const char* expected, int line) {
  pyl::Handle* handle = pyl::handle_of(self);
  if (!handle) {
    if (!pyl::is_native(self)) not_a(self, expected, line);
    not_created(self, line);
  }
  auto* target = dynamic_cast<Target*>(handle);
  if (!target) not_a(self, expected, line);
  if (!target->handler) deleted(self, line);
  return target->handler;
}

void require_uncreated(PyObject* self, int line) {
  if (!pyl::is_native(self)) not_a(self, "a wx object as self", line);
  if (pyl::handle_of(self)) {
    PyErr_Format(PyExc_RuntimeError, "the %.200s object has been created already", Py_TYPE(self)->tp_name);
    pyl::rethrow(line);
  }
}

}  // namespace wxpy
