#include "events.h"

#include "toolkit.h"

#include <memory>
#include <unordered_set>

#include "binding.h"
#include "convert.h"
#include "pyl/native.h"
#include "pyl/ops.h"
#include "pyl/signature.h"
#include "runtime.h"
#include "values.h"

namespace wxpy {

using pyl::Function;
using pyl::Object;

namespace {

// Events made by Python: the object they name may have gone by the time they
// are processed, so it is looked up among the live ones only.
std::unordered_set<const wxEvent*>& python_events() {
  static auto* events = new std::unordered_set<const wxEvent*>;
  return *events;
}

struct EventHandle : pyl::Handle {
  wxEvent* event = nullptr;
  std::unique_ptr<wxEvent> owned;
  bool dispatching = false;  // the toolkit's event, while its handler runs

  void own(wxEvent* made) {
    owned.reset(made);
    event = made;
  }
  ~EventHandle() override {
    if (owned) python_events().erase(owned.get());
  }
};

EventHandle& handle_of_event(PyObject* o, const char* what, int line) {
  auto* handle = pyl::handle_as<EventHandle>(o);
  if (!handle) {
    if (pyl::is_native(o) && !pyl::handle_of(o))
      pyl::raise(PyExc_RuntimeError, "The C++ part of the event has not been created: its __init__ has not run", line);
    wrong_type(o, what, "a wx.Event", line);
  }
  return *handle;
}

template <class T>
T& event_as(PyObject* self, const char* kind, int line = PYL_CALLER_LINE) {
  T* event = dynamic_cast<T*>(&event_of(self, "self", line));
  if (!event) not_a(self, kind, line);
  return *event;
}

PyObject* class_for(wxEvent& event) {
  if (dynamic_cast<wxCloseEvent*>(&event)) return class_named("CloseEvent");
  if (dynamic_cast<wxMouseEvent*>(&event)) return class_named("MouseEvent");
  if (dynamic_cast<wxCommandEvent*>(&event)) return class_named("CommandEvent");
  return class_named("Event");
}

// An event made by Python, owned by its Python object.
void adopt_event(PyObject* self, wxEvent* made) {
  auto handle = std::make_unique<EventHandle>();
  handle->own(made);
  python_events().insert(made);
  pyl::set_handle(self, std::move(handle));
}

// ---- Event

Object skip(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Skip", {"self", "skip"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  event_of(a[0], "self").Skip(pyl::truth(a[1]));
  return pyl::none();
}

Object get_skipped(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(event_of(self_only(fn, args, kw), "self").GetSkipped());
}

Object get_id(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(event_of(self_only(fn, args, kw), "self").GetId());
}

Object set_id(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetId", {"self", "id"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  event_of(a[0], "self").SetId(to_int(a[1], "id"));
  return pyl::none();
}

Object get_event_type(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(event_of(self_only(fn, args, kw), "self").GetEventType());
}

Object set_event_type(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetEventType", {"self", "typ"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  event_of(a[0], "self").SetEventType(to_int(a[1], "typ"));
  return pyl::none();
}

// The window (or other handler) the event comes from. Outside the dispatch
// of a toolkit event, only an object that is still alive is returned.
Object get_event_object(const Function& fn, PyObject* args, PyObject* kw) {
  PyObject* self = self_only(fn, args, kw);
  EventHandle& handle = handle_of_event(self, "self", PYL_CALLER_LINE);
  if (!handle.event) pyl::raise(PyExc_RuntimeError, "the event is no longer valid");
  wxObject* object = handle.event->GetEventObject();
  if (!object) return pyl::none();
  // Only compared with the live objects, never followed, until known alive.
  if (PyObject* known = find_wrapper(static_cast<wxEvtHandler*>(object))) return pyl::borrow(known);
  if (!handle.dispatching || python_events().count(handle.event)) return pyl::none();
  return wrap(dynamic_cast<wxEvtHandler*>(object));
}

Object set_event_object(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetEventObject", {"self", "obj"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxEvent& event = event_of(a[0], "self");
  event.SetEventObject(a[1] == Py_None ? nullptr : target_of(a[1]));
  return pyl::none();
}

Object is_command_event(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(event_of(self_only(fn, args, kw), "self").IsCommandEvent());
}

// ---- CommandEvent

Object command_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "commandType", "winid"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  adopt_event(a[0], new wxCommandEvent(to_int(a[1], "commandType"), to_int(a[2], "winid")));
  return pyl::none();
}

Object type_and_id_defaults() { return pyl::tuple({pyl::integer(wxEVT_NULL).get(), pyl::integer(0).get()}); }

Object get_string(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(event_as<wxCommandEvent>(self_only(fn, args, kw), "a wx.CommandEvent").GetString());
}

Object set_string(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetString", {"self", "s"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  event_as<wxCommandEvent>(a[0], "a wx.CommandEvent").SetString(to_string(a[1], "s"));
  return pyl::none();
}

Object get_int(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(event_as<wxCommandEvent>(self_only(fn, args, kw), "a wx.CommandEvent").GetInt());
}

Object set_int(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetInt", {"self", "i"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  event_as<wxCommandEvent>(a[0], "a wx.CommandEvent").SetInt(to_int(a[1], "i"));
  return pyl::none();
}

Object get_selection(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(event_as<wxCommandEvent>(self_only(fn, args, kw), "a wx.CommandEvent").GetSelection());
}

// ---- CloseEvent

Object close_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "type", "winid"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  adopt_event(a[0], new wxCloseEvent(to_int(a[1], "type"), to_int(a[2], "winid")));
  return pyl::none();
}

Object can_veto(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(event_as<wxCloseEvent>(self_only(fn, args, kw), "a wx.CloseEvent").CanVeto());
}

Object set_can_veto(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetCanVeto", {"self", "canVeto"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  event_as<wxCloseEvent>(a[0], "a wx.CloseEvent").SetCanVeto(pyl::truth(a[1]));
  return pyl::none();
}

Object veto(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Veto", {"self", "veto"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  event_as<wxCloseEvent>(a[0], "a wx.CloseEvent").Veto(pyl::truth(a[1]));
  return pyl::none();
}

Object get_veto(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(event_as<wxCloseEvent>(self_only(fn, args, kw), "a wx.CloseEvent").GetVeto());
}

// ---- MouseEvent

Object mouse_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "mouseType"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  adopt_event(a[0], new wxMouseEvent(to_int(a[1], "mouseType")));
  return pyl::none();
}

wxMouseEvent& mouse(const Function& fn, PyObject* args, PyObject* kw) {
  return event_as<wxMouseEvent>(self_only(fn, args, kw), "a wx.MouseEvent");
}

Object get_position(const Function& fn, PyObject* args, PyObject* kw) {
  return make_point(mouse(fn, args, kw).GetPosition());
}
Object get_x(const Function& fn, PyObject* args, PyObject* kw) { return pyl::integer(mouse(fn, args, kw).GetX()); }
Object get_y(const Function& fn, PyObject* args, PyObject* kw) { return pyl::integer(mouse(fn, args, kw).GetY()); }
Object entering(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(mouse(fn, args, kw).Entering());
}
Object leaving(const Function& fn, PyObject* args, PyObject* kw) { return pyl::boolean(mouse(fn, args, kw).Leaving()); }
Object left_down(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(mouse(fn, args, kw).LeftDown());
}
Object left_up(const Function& fn, PyObject* args, PyObject* kw) { return pyl::boolean(mouse(fn, args, kw).LeftUp()); }

// ---- PyEventBinder: one or more event types, connected by window id

Object binder_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "evtType", "expectedIDs"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  Object types = PyList_Check(a[1]) ? pyl::check(PyList_GetSlice(a[1], 0, PyList_GET_SIZE(a[1])))
                                    : pyl::list({a[1]});
  for (Py_ssize_t i = 0; i < PyList_GET_SIZE(types.get()); ++i) to_int(PyList_GET_ITEM(types.get(), i), "evtType");
  pyl::set_attr(a[0], pyl::intern("evtType"), types.get());
  pyl::set_attr(a[0], pyl::intern("expectedIDs"), a[2]);
  return pyl::none();
}

Object binder_type_id(const Function& fn, PyObject* args, PyObject* kw) {
  Object types = pyl::attr(self_only(fn, args, kw), pyl::intern("evtType"));
  return pyl::item(types.get(), pyl::integer(0).get());
}

// Bind(target, id1, id2, function): the handler runs for each of the
// binder's event types coming from a window whose id is in [id1, id2].
Object binder_bind(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Bind", {"self", "target", "id1", "id2", "function"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxEvtHandler* target = native<wxEvtHandler>(a[1], "a wx.EvtHandler");
  int id1 = to_int(a[2], "id1"), id2 = to_int(a[3], "id2");
  if (!PyCallable_Check(a[4])) wrong_type(a[4], "handler", "callable");
  Object types = pyl::attr(a[0], pyl::intern("evtType"));
  Object sequence = pyl::check(PySequence_Fast(types.get(), "evtType must be a list"));
  for (Py_ssize_t i = 0; i < PySequence_Fast_GET_SIZE(sequence.get()); ++i) {
    wxEventType type = to_int(PySequence_Fast_GET_ITEM(sequence.get(), i), "evtType");
    target->Bind(wxEventTypeTag<wxEvent>(type), Callback(pyl::borrow(a[4])), id1, id2);
  }
  return pyl::none();
}

struct BinderRow {
  const char* name;
  wxEventType type;
  int expected_ids;
};

}  // namespace

void Callback::operator()(wxEvent& event) const {
  HandlerScope scope;
  PyObject* wrapper = nullptr;
  try {
    wrapper = wrap_event(event).release();
  } catch (const pyl::PyError&) {
    PyErr_Print();
    return;
  }
  PyObject* result = PyObject_CallFunctionObjArgs(function_.get(), wrapper, nullptr);
  if (result) {
    Py_DECREF(result);
  } else {
    PyErr_Print();
  }
  finish_event(wrapper);
  Py_DECREF(wrapper);
}

Object wrap_event(wxEvent& event, int line) {
  Object wrapper = pyl::new_native(class_for(event), line);
  auto handle = std::make_unique<EventHandle>();
  handle->event = &event;
  handle->dispatching = true;
  pyl::set_handle(wrapper.get(), std::move(handle));
  return wrapper;
}

void finish_event(PyObject* wrapper) {
  auto* handle = pyl::handle_as<EventHandle>(wrapper);
  if (!handle || !handle->dispatching) return;
  handle->dispatching = false;
  if (Py_REFCNT(wrapper) > 1) {
    handle->own(handle->event->Clone());
  } else {
    handle->event = nullptr;
  }
}

wxEvent& event_of(PyObject* o, const char* what, int line) {
  EventHandle& handle = handle_of_event(o, what, line);
  if (!handle.event) pyl::raise(PyExc_RuntimeError, "the event is no longer valid", line);
  return *handle.event;
}

const ClassDef kEventClass{"Event",
                           "Object",
                           {
                               {{"Skip", skip}, [] { return pyl::tuple({Py_True}); }},
                               {{"GetSkipped", get_skipped}, nullptr},
                               {{"GetId", get_id}, nullptr},
                               {{"SetId", set_id}, nullptr},
                               {{"GetEventType", get_event_type}, nullptr},
                               {{"SetEventType", set_event_type}, nullptr},
                               {{"GetEventObject", guarded<get_event_object>}, nullptr},
                               {{"SetEventObject", set_event_object}, nullptr},
                               {{"IsCommandEvent", is_command_event}, nullptr},
                           },
                           {},
                           false};

const ClassDef kCommandEventClass{"CommandEvent",
                                  "Event",
                                  {
                                      {{"__init__", command_init}, type_and_id_defaults},
                                      {{"GetString", get_string}, nullptr},
                                      {{"SetString", set_string}, nullptr},
                                      {{"GetInt", get_int}, nullptr},
                                      {{"SetInt", set_int}, nullptr},
                                      {{"GetSelection", get_selection}, nullptr},
                                  },
                                  {},
                                  false};

const ClassDef kCloseEventClass{"CloseEvent",
                                "Event",
                                {
                                    {{"__init__", close_init}, type_and_id_defaults},
                                    {{"CanVeto", can_veto}, nullptr},
                                    {{"SetCanVeto", set_can_veto}, nullptr},
                                    {{"Veto", guarded<veto>}, [] { return pyl::tuple({Py_True}); }},
                                    {{"GetVeto", get_veto}, nullptr},
                                },
                                {},
                                false};

const ClassDef kMouseEventClass{"MouseEvent",
                                "Event",
                                {
                                    {{"__init__", mouse_init}, [] { return pyl::tuple({pyl::integer(wxEVT_NULL).get()}); }},
                                    {{"GetPosition", get_position}, nullptr},
                                    {{"GetX", get_x}, nullptr},
                                    {{"GetY", get_y}, nullptr},
                                    {{"Entering", entering}, nullptr},
                                    {{"Leaving", leaving}, nullptr},
                                    {{"LeftDown", left_down}, nullptr},
                                    {{"LeftUp", left_up}, nullptr},
                                },
                                {},
                                false};

const ClassDef kEventBinderClass{"PyEventBinder",
                                 "Object",
                                 {
                                     {{"__init__", binder_init}, [] { return pyl::tuple({pyl::integer(0).get()}); }},
                                     {{"Bind", guarded<binder_bind>}, nullptr},
                                 },
                                 {{"typeId", {"typeId", binder_type_id}, {nullptr, nullptr}}},
                                 false};

void define_binders(pyl::Module& m) {
  const BinderRow types[] = {
      {"wxEVT_NULL", wxEVT_NULL, 0},
      {"wxEVT_CLOSE_WINDOW", wxEVT_CLOSE_WINDOW, 0},
      {"wxEVT_COMMAND_BUTTON_CLICKED", wxEVT_BUTTON, 0},
      {"wxEVT_BUTTON", wxEVT_BUTTON, 0},
      {"wxEVT_COMMAND_TEXT_UPDATED", wxEVT_TEXT, 0},
      {"wxEVT_TEXT", wxEVT_TEXT, 0},
      {"wxEVT_COMMAND_LISTBOX_SELECTED", wxEVT_LISTBOX, 0},
      {"wxEVT_COMMAND_LISTBOX_DOUBLECLICKED", wxEVT_LISTBOX_DCLICK, 0},
      {"wxEVT_ENTER_WINDOW", wxEVT_ENTER_WINDOW, 0},
      {"wxEVT_LEAVE_WINDOW", wxEVT_LEAVE_WINDOW, 0},
      {"wxEVT_DESTROY", wxEVT_DESTROY, 0},
  };
  for (const BinderRow& row : types) m.bind(pyl::intern(row.name), pyl::integer(row.type).get());

  const BinderRow binders[] = {
      {"EVT_CLOSE", wxEVT_CLOSE_WINDOW, 0},
      {"EVT_BUTTON", wxEVT_BUTTON, 1},
      {"EVT_TEXT", wxEVT_TEXT, 1},
      {"EVT_LISTBOX", wxEVT_LISTBOX, 1},
      {"EVT_LISTBOX_DCLICK", wxEVT_LISTBOX_DCLICK, 1},
      {"EVT_ENTER_WINDOW", wxEVT_ENTER_WINDOW, 0},
      {"EVT_LEAVE_WINDOW", wxEVT_LEAVE_WINDOW, 0},
      {"EVT_WINDOW_DESTROY", wxEVT_DESTROY, 0},
  };
  PyObject* binder_class = class_named("PyEventBinder");
  for (const BinderRow& row : binders) {
    Object binder = pyl::call(binder_class, {pyl::integer(row.type).get(), pyl::integer(row.expected_ids).get()});
    m.bind(pyl::intern(row.name), binder.get());
  }
}

}  // namespace wxpy
