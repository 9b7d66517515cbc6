#include "frames.h"

#include "toolkit.h"

#include <wx/generic/msgdlgg.h>

#include "convert.h"
#include "pyl/ops.h"
#include "pyl/signature.h"
#include "values.h"
#include "windows.h"

namespace wxpy {

using pyl::Function;
using pyl::Object;

namespace {

wxTopLevelWindow* top(PyObject* self) { return native<wxTopLevelWindow>(self, "a wx.TopLevelWindow"); }
wxDialog* dialog(PyObject* self) { return native<wxDialog>(self, "a wx.Dialog"); }

// An event loop runs inside: assertions there are not this call's.
template <class F>
auto running_loop(F&& run) {
  AssertionScope printed(false);
  return run();
}

Object set_title(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetTitle", {"self", "title"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  top(a[0])->SetTitle(to_string(a[1], "title"));
  return pyl::none();
}

Object get_title(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(top(self_only(fn, args, kw))->GetTitle());
}

Object raise_window(const Function& fn, PyObject* args, PyObject* kw) {
  top(self_only(fn, args, kw))->Raise();
  return pyl::none();
}

Object is_active(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(top(self_only(fn, args, kw))->IsActive());
}

// MakeModal(modal=True), which wxWidgets 3 no longer has, as the classic
// toolkit did it: every other top-level window disabled (True) or enabled
// again (False). It neither blocks nor nests.
Object make_modal(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("MakeModal", {"self", "modal"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxTopLevelWindow* self = top(a[0]);
  bool modal = pyl::truth(a[1]);
  for (wxWindow* other : wxTopLevelWindows)
    if (other != self) other->Enable(!modal);
  return pyl::none();
}

// ---- Frame and Dialog

struct TopLevelArgs {
  wxWindow* parent;
  int id;
  wxString title;
  wxPoint pos;
  wxSize size;
  long style;
  wxString name;
};

TopLevelArgs top_level_args(const pyl::Arguments& a) {
  return {parent_window(a[1], true), to_int(a[2], "id"),          to_string(a[3], "title"),
          to_point(a[4], "pos"),     to_size(a[5], "size"),         to_long(a[6], "style"),
          to_string(a[7], "name")};
}

const pyl::Signature kTopLevelInit("__init__", {"self", "parent", "id", "title", "pos", "size", "style", "name"},
                                   false);

Object frame_init(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kTopLevelInit.bind(fn, args, kw);
  TopLevelArgs t = top_level_args(a);
  create_window<wxFrame>(a[0], [&](wxFrame* f) { return f->Create(t.parent, t.id, t.title, t.pos, t.size, t.style, t.name); });
  return pyl::none();
}

Object top_level_defaults(long style, const char* name) {
  return pyl::tuple({pyl::integer(wxID_ANY).get(), pyl::text("").get(), default_position(), default_size(),
                     pyl::integer(style).get(), pyl::bytes(name).get()});
}

Object dialog_init(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kTopLevelInit.bind(fn, args, kw);
  TopLevelArgs t = top_level_args(a);
  create_window<wxDialog>(a[0], [&](wxDialog* d) { return d->Create(t.parent, t.id, t.title, t.pos, t.size, t.style, t.name); });
  return pyl::none();
}

Object show_modal(const Function& fn, PyObject* args, PyObject* kw) {
  wxDialog* d = dialog(self_only(fn, args, kw));
  return pyl::integer(running_loop([d] { return d->ShowModal(); }));
}

Object end_modal(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("EndModal", {"self", "retCode"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxDialog* d = dialog(a[0]);
  int code = to_int(a[1], "retCode");
  if (!d->IsModal()) pyl::raise(errors().assertion, "EndModal() called for a dialog that is not shown modally");
  d->EndModal(code);
  return pyl::none();
}

Object is_modal(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(dialog(self_only(fn, args, kw))->IsModal());
}

Object get_return_code(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(dialog(self_only(fn, args, kw))->GetReturnCode());
}

// ---- MessageDialog: the toolkit's own generic dialog, so that it is a
// window like the others (found by GetTopLevelWindows, ended by EndModal).

const pyl::Signature kMessageInit("__init__", {"self", "parent", "message", "caption", "style", "pos"}, false);

Object message_init(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kMessageInit.bind(fn, args, kw);
  require_uncreated(a[0]);
  wxWindow* parent = parent_window(a[1], true);
  wxString message = to_string(a[2], "message");
  wxString caption = to_string(a[3], "caption");
  long style = to_long(a[4], "style");
  wxPoint pos = to_point(a[5], "pos");
  require_app();
  bind_native(new wxGenericMessageDialog(parent, message, caption, style, pos), a[0]);
  return pyl::none();
}

Object message_defaults() {
  return pyl::tuple({pyl::text("Message box").get(), pyl::integer(wxOK | wxCENTRE).get(), default_position()});
}

wxMessageDialogBase* message_dialog(PyObject* self) {
  return native<wxMessageDialogBase>(self, "a wx.MessageDialog");
}

Object get_message(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(message_dialog(self_only(fn, args, kw))->GetMessage());
}

// ---- functions

// MessageBox(message, caption="Message", style=OK|CENTRE, parent=None,
// x=-1, y=-1): the button pressed, as wx.OK, wx.YES, wx.NO or wx.CANCEL.
Object message_box(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("MessageBox", {"message", "caption", "style", "parent", "x", "y"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxString message = to_string(a[0], "message");
  wxString caption = to_string(a[1], "caption");
  long style = to_long(a[2], "style");
  wxWindow* parent = parent_window(a[3], true);
  wxPoint pos(to_int(a[4], "x"), to_int(a[5], "y"));
  require_app();
  // A MessageDialog of its own, so that GetTopLevelWindows finds it while shown.
  Object box = pyl::new_native(class_named("MessageDialog"));
  auto* d = new wxGenericMessageDialog(parent, message, caption, style, pos);
  bind_native(d, box.get());
  int answer = running_loop([d] { return d->ShowModal(); });
  d->Destroy();
  switch (answer) {
    case wxID_OK:
      return pyl::integer(wxOK);
    case wxID_YES:
      return pyl::integer(wxYES);
    case wxID_NO:
      return pyl::integer(wxNO);
    case wxID_HELP:
      return pyl::integer(wxHELP);
    default:
      return pyl::integer(wxCANCEL);
  }
}

Object message_box_defaults() {
  return pyl::tuple({pyl::bytes("Message").get(), pyl::integer(wxOK | wxCENTRE).get(), Py_None,
                     pyl::integer(-1).get(), pyl::integer(-1).get()});
}

Object get_top_level_windows(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Signature("GetTopLevelWindows", {}, false).bind(fn, args, kw);
  Object windows = pyl::list({});
  for (wxWindow* w : wxTopLevelWindows) pyl::check_status(PyList_Append(windows.get(), wrap(w).get()));
  return windows;
}

}  // namespace

const ClassDef kTopLevelWindowClass{"TopLevelWindow",
                                    "Window",
                                    {
                                        {{"SetTitle", guarded<set_title>}, nullptr},
                                        {{"GetTitle", guarded<get_title>}, nullptr},
                                        {{"Raise", guarded<raise_window>}, nullptr},
                                        {{"IsActive", guarded<is_active>}, nullptr},
                                        {{"MakeModal", guarded<make_modal>}, [] { return pyl::tuple({Py_True}); }},
                                    },
                                    {},
                                    false};

const ClassDef kFrameClass{"Frame",
                           "TopLevelWindow",
                           {{{"__init__", guarded<frame_init>}, [] { return top_level_defaults(wxDEFAULT_FRAME_STYLE, "frame"); }}},
                           {},
                           false};

const ClassDef kDialogClass{"Dialog",
                            "TopLevelWindow",
                            {
                                {{"__init__", guarded<dialog_init>},
                                 [] { return top_level_defaults(wxDEFAULT_DIALOG_STYLE, "dialog"); }},
                                {{"ShowModal", guarded<show_modal>}, nullptr},
                                {{"EndModal", guarded<end_modal>}, nullptr},
                                {{"IsModal", guarded<is_modal>}, nullptr},
                                {{"GetReturnCode", guarded<get_return_code>}, nullptr},
                            },
                            {},
                            false};

const ClassDef kMessageDialogClass{"MessageDialog",
                                   "Dialog",
                                   {
                                       {{"__init__", guarded<message_init>}, message_defaults},
                                       {{"GetMessage", guarded<get_message>}, nullptr},
                                   },
                                   {},
                                   false};

const std::vector<Method> kTopLevelFunctions{
    {{"MessageBox", guarded<message_box>}, message_box_defaults},
    {{"GetTopLevelWindows", guarded<get_top_level_windows>}, nullptr},
};

}  // namespace wxpy
