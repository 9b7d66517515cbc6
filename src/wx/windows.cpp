#include "windows.h"

#include "toolkit.h"

#include <wx/tooltip.h>

#include "convert.h"
#include "events.h"
#include "pyl/ops.h"
#include "pyl/signature.h"
#include "sizers.h"
#include "values.h"

namespace wxpy {

using pyl::Function;
using pyl::Object;

wxWindow* parent_window(PyObject* o, bool optional, int line) {
  if (o == Py_None) {
    if (optional) return nullptr;
    pyl::raise(PyExc_TypeError, "parent must be a wx.Window, not None", line);
  }
  return native<wxWindow>(o, "a wx.Window as parent", line);
}

// Made once and kept for the life of the process.
PyObject* default_position() {
  static PyObject* position = make_point(wxDefaultPosition, 0).release();
  return position;
}

PyObject* default_size() {
  static PyObject* size = make_size(wxDefaultSize, 0).release();
  return size;
}

namespace {

wxWindow* window(PyObject* self) { return native<wxWindow>(self); }
wxWindow* self_window(const Function& fn, PyObject* args, PyObject* kw) {
  return window(self_only(fn, args, kw));
}

// A method of one argument besides self.
pyl::Arguments one(const Function& fn, PyObject* args, PyObject* kw, const char* param) {
  return pyl::Signature(fn.def->name, {"self", param}, false).bind(fn, args, kw);
}

Object defaults_true() { return pyl::tuple({Py_True}); }
Object defaults_false() { return pyl::tuple({Py_False}); }
Object defaults_both() { return pyl::tuple({pyl::integer(wxBOTH).get()}); }

// ---- EvtHandler

// Bind(event, handler, source=None, id=ID_ANY, id2=ID_ANY): as the classic
// one, by window id; `source` stands for its id.
Object bind(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Bind", {"self", "event", "handler", "source", "id", "id2"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  if (!pyl::check_status(PyObject_IsInstance(a[1], class_named("PyEventBinder"))))
    wrong_type(a[1], "event", "a wx.PyEventBinder such as wx.EVT_BUTTON");
  Object id = pyl::borrow(a[4]);
  if (a[3] != Py_None) id = pyl::call_method(a[3], pyl::intern("GetId"));
  pyl::call_method(a[1], pyl::intern("Bind"), {a[0], id.get(), a[5], a[2]});
  return pyl::none();
}

Object bind_defaults() {
  return pyl::tuple({Py_None, pyl::integer(wxID_ANY).get(), pyl::integer(wxID_ANY).get()});
}

Object process_event(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "event");
  wxEvtHandler* handler = native<wxEvtHandler>(a[0], "a wx.EvtHandler");
  return pyl::boolean(handler->ProcessEvent(event_of(a[1], "event")));
}

// ---- Window: creation and life

Object window_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "parent", "id", "pos", "size", "style", "name"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* parent = parent_window(a[1], false);
  int id = to_int(a[2], "id");
  wxPoint pos = to_point(a[3], "pos");
  wxSize size = to_size(a[4], "size");
  long style = to_long(a[5], "style");
  wxString name = to_string(a[6], "name");
  create_window<wxWindow>(a[0], [&](wxWindow* w) { return w->Create(parent, id, pos, size, style, name); });
  return pyl::none();
}

Object window_defaults() {
  return pyl::tuple({pyl::integer(wxID_ANY).get(), default_position(), default_size(), pyl::integer(0).get(),
                     pyl::bytes("panel").get()});
}

Object show(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "show");
  return pyl::boolean(window(a[0])->Show(pyl::truth(a[1])));
}

Object hide(const Function& fn, PyObject* args, PyObject* kw) { return pyl::boolean(self_window(fn, args, kw)->Hide()); }

Object is_shown(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_window(fn, args, kw)->IsShown());
}

Object centre(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "direction");
  window(a[0])->Centre(to_int(a[1], "direction"));
  return pyl::none();
}

Object close(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "force");
  return pyl::boolean(window(a[0])->Close(pyl::truth(a[1])));
}

// A top-level window goes at the next idle time, a child at once; either
// way the Python object stays, and its toolkit methods then raise
// PyDeadObjectError.
Object destroy(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_window(fn, args, kw)->Destroy());
}

Object is_being_deleted(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_window(fn, args, kw)->IsBeingDeleted());
}

Object enable(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "enable");
  return pyl::boolean(window(a[0])->Enable(pyl::truth(a[1])));
}

Object disable(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_window(fn, args, kw)->Disable());
}

Object is_enabled(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_window(fn, args, kw)->IsEnabled());
}

Object is_top_level(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_window(fn, args, kw)->IsTopLevel());
}

// ---- hierarchy and identity

Object get_parent(const Function& fn, PyObject* args, PyObject* kw) {
  return wrap(self_window(fn, args, kw)->GetParent());
}

Object get_top_level_parent(const Function& fn, PyObject* args, PyObject* kw) {
  return wrap(wxGetTopLevelParent(self_window(fn, args, kw)));
}

Object get_children(const Function& fn, PyObject* args, PyObject* kw) {
  wxWindow* w = self_window(fn, args, kw);
  Object children = pyl::list({});
  for (wxWindow* child : w->GetChildren()) pyl::check_status(PyList_Append(children.get(), wrap(child).get()));
  return children;
}

Object get_event_handler(const Function& fn, PyObject* args, PyObject* kw) {
  return wrap(self_window(fn, args, kw)->GetEventHandler());
}

Object get_id(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(self_window(fn, args, kw)->GetId());
}

Object set_id(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "winid");
  window(a[0])->SetId(to_int(a[1], "winid"));
  return pyl::none();
}

Object get_name(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(self_window(fn, args, kw)->GetName());
}

Object set_name(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "name");
  window(a[0])->SetName(to_string(a[1], "name"));
  return pyl::none();
}

Object get_label(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(self_window(fn, args, kw)->GetLabel());
}

Object set_label(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "label");
  window(a[0])->SetLabel(to_string(a[1], "label"));
  return pyl::none();
}

// ---- geometry

Object get_size(const Function& fn, PyObject* args, PyObject* kw) {
  return make_size(self_window(fn, args, kw)->GetSize());
}

Object set_size(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "size");
  window(a[0])->SetSize(to_size(a[1], "size"));
  return pyl::none();
}

Object get_client_size(const Function& fn, PyObject* args, PyObject* kw) {
  return make_size(self_window(fn, args, kw)->GetClientSize());
}

Object set_client_size(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "size");
  window(a[0])->SetClientSize(to_size(a[1], "size"));
  return pyl::none();
}

Object get_position(const Function& fn, PyObject* args, PyObject* kw) {
  return make_point(self_window(fn, args, kw)->GetPosition());
}

Object set_position(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "pt");
  window(a[0])->Move(to_point(a[1], "pt"));
  return pyl::none();
}

Object get_screen_position(const Function& fn, PyObject* args, PyObject* kw) {
  return make_point(self_window(fn, args, kw)->GetScreenPosition());
}

Object get_min_size(const Function& fn, PyObject* args, PyObject* kw) {
  return make_size(self_window(fn, args, kw)->GetMinSize());
}

Object set_min_size(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "minSize");
  window(a[0])->SetMinSize(to_size(a[1], "minSize"));
  return pyl::none();
}

Object get_best_size(const Function& fn, PyObject* args, PyObject* kw) {
  return make_size(self_window(fn, args, kw)->GetBestSize());
}

Object layout(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_window(fn, args, kw)->Layout());
}

Object fit(const Function& fn, PyObject* args, PyObject* kw) {
  self_window(fn, args, kw)->Fit();
  return pyl::none();
}

Object refresh(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "eraseBackground");
  window(a[0])->Refresh(pyl::truth(a[1]));
  return pyl::none();
}

Object update(const Function& fn, PyObject* args, PyObject* kw) {
  self_window(fn, args, kw)->Update();
  return pyl::none();
}

Object set_focus(const Function& fn, PyObject* args, PyObject* kw) {
  self_window(fn, args, kw)->SetFocus();
  return pyl::none();
}

// ---- looks

Object set_font(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "font");
  const wxFont& font = to_font(a[1], "font");
  return pyl::boolean(window(a[0])->SetFont(font));
}

Object get_font(const Function& fn, PyObject* args, PyObject* kw) {
  return make_value("Font", self_window(fn, args, kw)->GetFont());
}

// The window makes its own toolkit tip from the text of the wx.ToolTip.
Object set_tool_tip(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "tip");
  wxString tip = to_tip(a[1], "tip");
  window(a[0])->SetToolTip(tip);
  return pyl::none();
}

Object get_tool_tip(const Function& fn, PyObject* args, PyObject* kw) {
  wxToolTip* tip = self_window(fn, args, kw)->GetToolTip();
  if (!tip) return pyl::none();
  return make_value("ToolTip", tip->GetTip());
}

}  // namespace

const ClassDef kObjectClass{"Object", nullptr, {}, {}, false};

const ClassDef kEvtHandlerClass{"EvtHandler",
                                "Object",
                                {
                                    {{"Bind", guarded<bind>}, bind_defaults},
                                    {{"ProcessEvent", guarded<process_event>}, nullptr},
                                },
                                {},
                                false};

const ClassDef kWindowClass{"Window",
                            "EvtHandler",
                            {
                                {{"__init__", guarded<window_init>}, window_defaults},
                                {{"Show", guarded<show>}, defaults_true},
                                {{"Hide", guarded<hide>}, nullptr},
                                {{"IsShown", guarded<is_shown>}, nullptr},
                                {{"Centre", guarded<centre>}, defaults_both},
                                {{"Center", guarded<centre>}, defaults_both},
                                {{"Close", guarded<close>}, defaults_false},
                                {{"Destroy", guarded<destroy>}, nullptr},
                                {{"IsBeingDeleted", guarded<is_being_deleted>}, nullptr},
                                {{"Enable", guarded<enable>}, defaults_true},
                                {{"Disable", guarded<disable>}, nullptr},
                                {{"IsEnabled", guarded<is_enabled>}, nullptr},
                                {{"IsTopLevel", guarded<is_top_level>}, nullptr},
                                {{"GetParent", guarded<get_parent>}, nullptr},
                                {{"GetTopLevelParent", guarded<get_top_level_parent>}, nullptr},
                                {{"GetChildren", guarded<get_children>}, nullptr},
                                {{"GetEventHandler", guarded<get_event_handler>}, nullptr},
                                {{"GetId", guarded<get_id>}, nullptr},
                                {{"SetId", guarded<set_id>}, nullptr},
                                {{"GetName", guarded<get_name>}, nullptr},
                                {{"SetName", guarded<set_name>}, nullptr},
                                {{"GetLabel", guarded<get_label>}, nullptr},
                                {{"SetLabel", guarded<set_label>}, nullptr},
                                {{"GetSize", guarded<get_size>}, nullptr},
                                {{"SetSize", guarded<set_size>}, nullptr},
                                {{"GetClientSize", guarded<get_client_size>}, nullptr},
                                {{"SetClientSize", guarded<set_client_size>}, nullptr},
                                {{"GetPosition", guarded<get_position>}, nullptr},
                                {{"SetPosition", guarded<set_position>}, nullptr},
                                {{"Move", guarded<set_position>}, nullptr},
                                {{"GetScreenPosition", guarded<get_screen_position>}, nullptr},
                                {{"GetMinSize", guarded<get_min_size>}, nullptr},
                                {{"SetMinSize", guarded<set_min_size>}, nullptr},
                                {{"GetBestSize", guarded<get_best_size>}, nullptr},
                                {{"SetSizer", guarded<set_sizer>}, defaults_true},
                                {{"GetSizer", guarded<get_sizer>}, nullptr},
                                {{"GetContainingSizer", guarded<get_containing_sizer>}, nullptr},
                                {{"Layout", guarded<layout>}, nullptr},
                                {{"Fit", guarded<fit>}, nullptr},
                                {{"Refresh", guarded<refresh>}, defaults_true},
                                {{"Update", guarded<update>}, nullptr},
                                {{"SetFocus", guarded<set_focus>}, nullptr},
                                {{"SetFont", guarded<set_font>}, nullptr},
                                {{"GetFont", guarded<get_font>}, nullptr},
                                {{"SetToolTip", guarded<set_tool_tip>}, nullptr},
                                {{"SetToolTipString", guarded<set_tool_tip>}, nullptr},
                                {{"GetToolTip", guarded<get_tool_tip>}, nullptr},
                            },
                            {},
                            false};

}  // namespace wxpy
