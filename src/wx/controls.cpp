#include "controls.h"

#include "toolkit.h"

#include "convert.h"
#include "pyl/ops.h"
#include "pyl/signature.h"
#include "values.h"
#include "windows.h"

namespace wxpy {

using pyl::Function;
using pyl::Object;

namespace {

pyl::Arguments one(const Function& fn, PyObject* args, PyObject* kw, const char* param) {
  return pyl::Signature(fn.def->name, {"self", param}, false).bind(fn, args, kw);
}

// Validators are not supported: only the default (None) is accepted.
void no_validator(PyObject* validator) {
  if (validator != Py_None) pyl::raise(PyExc_TypeError, "validators are not supported: pass None");
}

// (id, <third>, pos, size, style, validator, name), as the text-like
// controls take them.
Object text_like_defaults(PyObject* third, long style, const char* name) {
  return pyl::tuple({pyl::integer(wxID_ANY).get(), third, default_position(), default_size(),
                     pyl::integer(style).get(), Py_None, pyl::bytes(name).get()});
}

// ---- Panel

Object panel_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "parent", "id", "pos", "size", "style", "name"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* parent = parent_window(a[1], false);
  int id = to_int(a[2], "id");
  wxPoint pos = to_point(a[3], "pos");
  wxSize size = to_size(a[4], "size");
  long style = to_long(a[5], "style");
  wxString name = to_string(a[6], "name");
  create_window<wxPanel>(a[0], [&](wxPanel* p) { return p->Create(parent, id, pos, size, style, name); });
  return pyl::none();
}

// ---- StaticText

Object static_text_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "parent", "id", "label", "pos", "size", "style", "name"},
                                  false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* parent = parent_window(a[1], false);
  int id = to_int(a[2], "id");
  wxString label = to_string(a[3], "label");
  wxPoint pos = to_point(a[4], "pos");
  wxSize size = to_size(a[5], "size");
  long style = to_long(a[6], "style");
  wxString name = to_string(a[7], "name");
  create_window<wxStaticText>(a[0], [&](wxStaticText* t) { return t->Create(parent, id, label, pos, size, style, name); });
  return pyl::none();
}

Object wrap_text(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "width");
  native<wxStaticText>(a[0], "a wx.StaticText")->Wrap(to_int(a[1], "width"));
  return pyl::none();
}

// ---- TextCtrl

wxTextCtrl* text(PyObject* self) { return native<wxTextCtrl>(self, "a wx.TextCtrl"); }
wxTextCtrl* self_text(const Function& fn, PyObject* args, PyObject* kw) { return text(self_only(fn, args, kw)); }

Object text_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig(
      "__init__", {"self", "parent", "id", "value", "pos", "size", "style", "validator", "name"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* parent = parent_window(a[1], false);
  int id = to_int(a[2], "id");
  wxString value = to_string(a[3], "value");
  wxPoint pos = to_point(a[4], "pos");
  wxSize size = to_size(a[5], "size");
  long style = to_long(a[6], "style");
  no_validator(a[7]);
  wxString name = to_string(a[8], "name");
  create_window<wxTextCtrl>(a[0], [&](wxTextCtrl* t) {
    return t->Create(parent, id, value, pos, size, style, wxDefaultValidator, name);
  });
  return pyl::none();
}

Object get_value(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(self_text(fn, args, kw)->GetValue());
}

Object set_value(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "value");
  text(a[0])->SetValue(to_string(a[1], "value"));
  return pyl::none();
}

Object change_value(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "value");
  text(a[0])->ChangeValue(to_string(a[1], "value"));
  return pyl::none();
}

Object append_text(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "text");
  text(a[0])->AppendText(to_string(a[1], "text"));
  return pyl::none();
}

Object write_text(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "text");
  text(a[0])->WriteText(to_string(a[1], "text"));
  return pyl::none();
}

Object clear(const Function& fn, PyObject* args, PyObject* kw) {
  self_text(fn, args, kw)->Clear();
  return pyl::none();
}

Object is_empty(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_text(fn, args, kw)->IsEmpty());
}

Object set_insertion_point(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "pos");
  text(a[0])->SetInsertionPoint(to_long(a[1], "pos"));
  return pyl::none();
}

Object set_insertion_point_end(const Function& fn, PyObject* args, PyObject* kw) {
  self_text(fn, args, kw)->SetInsertionPointEnd();
  return pyl::none();
}

Object get_insertion_point(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(self_text(fn, args, kw)->GetInsertionPoint());
}

Object get_last_position(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(self_text(fn, args, kw)->GetLastPosition());
}

Object set_max_length(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "len");
  text(a[0])->SetMaxLength(to_long(a[1], "len"));
  return pyl::none();
}

Object select_all(const Function& fn, PyObject* args, PyObject* kw) {
  self_text(fn, args, kw)->SelectAll();
  return pyl::none();
}

Object is_multi_line(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(self_text(fn, args, kw)->IsMultiLine());
}

// ---- Button and BitmapButton

Object button_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig(
      "__init__", {"self", "parent", "id", "label", "pos", "size", "style", "validator", "name"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* parent = parent_window(a[1], false);
  int id = to_int(a[2], "id");
  wxString label = to_string(a[3], "label");
  wxPoint pos = to_point(a[4], "pos");
  wxSize size = to_size(a[5], "size");
  long style = to_long(a[6], "style");
  no_validator(a[7]);
  wxString name = to_string(a[8], "name");
  create_window<wxButton>(a[0], [&](wxButton* b) {
    return b->Create(parent, id, label, pos, size, style, wxDefaultValidator, name);
  });
  return pyl::none();
}

Object set_default(const Function& fn, PyObject* args, PyObject* kw) {
  native<wxButton>(self_only(fn, args, kw), "a wx.Button")->SetDefault();
  return pyl::none();
}

Object bitmap_button_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig(
      "__init__", {"self", "parent", "id", "bitmap", "pos", "size", "style", "validator", "name"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* parent = parent_window(a[1], false);
  int id = to_int(a[2], "id");
  wxBitmap bitmap = to_bitmap(a[3], "bitmap");
  wxPoint pos = to_point(a[4], "pos");
  wxSize size = to_size(a[5], "size");
  long style = to_long(a[6], "style");
  no_validator(a[7]);
  wxString name = to_string(a[8], "name");
  create_window<wxBitmapButton>(a[0], [&](wxBitmapButton* b) {
    return b->Create(parent, id, bitmap, pos, size, style, wxDefaultValidator, name);
  });
  return pyl::none();
}

wxBitmapButton* bitmap_button(PyObject* self) { return native<wxBitmapButton>(self, "a wx.BitmapButton"); }

enum class State { label, current, pressed, focus, disabled };

// One setter and one getter per picture of the button.
template <State S>
Object set_picture(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "bitmap");
  wxBitmapButton* b = bitmap_button(a[0]);
  const wxBitmap& bitmap = to_bitmap(a[1], "bitmap");
  switch (S) {
    case State::label: b->SetBitmapLabel(bitmap); break;
    case State::current: b->SetBitmapCurrent(bitmap); break;
    case State::pressed: b->SetBitmapPressed(bitmap); break;
    case State::focus: b->SetBitmapFocus(bitmap); break;
    case State::disabled: b->SetBitmapDisabled(bitmap); break;
  }
  return pyl::none();
}

template <State S>
Object get_picture(const Function& fn, PyObject* args, PyObject* kw) {
  wxBitmapButton* b = bitmap_button(self_only(fn, args, kw));
  wxBitmap bitmap;
  switch (S) {
    case State::label: bitmap = b->GetBitmapLabel(); break;
    case State::current: bitmap = b->GetBitmapCurrent(); break;
    case State::pressed: bitmap = b->GetBitmapPressed(); break;
    case State::focus: bitmap = b->GetBitmapFocus(); break;
    case State::disabled: bitmap = b->GetBitmapDisabled(); break;
  }
  return make_value("Bitmap", bitmap);
}

// ---- ListBox

wxListBox* list_box(PyObject* self) { return native<wxListBox>(self, "a wx.ListBox"); }

wxArrayString strings(PyObject* items, const char* what) {
  pyl::Object sequence = pyl::check(PySequence_Fast(items, "the items must be a sequence of strings"));
  wxArrayString result;
  for (Py_ssize_t i = 0; i < PySequence_Fast_GET_SIZE(sequence.get()); ++i)
    result.Add(to_string(PySequence_Fast_GET_ITEM(sequence.get(), i), what));
  return result;
}

// An index the list has; IndexError otherwise.
unsigned index_in(wxListBox* list, PyObject* n) {
  long i = to_long(n, "n");
  if (i < 0 || i >= static_cast<long>(list->GetCount())) pyl::raise(PyExc_IndexError, "list box index out of range");
  return static_cast<unsigned>(i);
}

Object list_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig(
      "__init__", {"self", "parent", "id", "pos", "size", "choices", "style", "validator", "name"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* parent = parent_window(a[1], false);
  int id = to_int(a[2], "id");
  wxPoint pos = to_point(a[3], "pos");
  wxSize size = to_size(a[4], "size");
  wxArrayString choices = strings(a[5], "choice");
  long style = to_long(a[6], "style");
  no_validator(a[7]);
  wxString name = to_string(a[8], "name");
  create_window<wxListBox>(a[0], [&](wxListBox* l) {
    return l->Create(parent, id, pos, size, choices, style, wxDefaultValidator, name);
  });
  return pyl::none();
}

Object list_defaults() {
  return pyl::tuple({pyl::integer(wxID_ANY).get(), default_position(), default_size(), pyl::list({}).get(),
                     pyl::integer(0).get(), Py_None, pyl::bytes("listBox").get()});
}

Object list_set(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "items");
  wxListBox* list = list_box(a[0]);
  list->Set(strings(a[1], "item"));
  return pyl::none();
}

Object list_append(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "item");
  return pyl::integer(list_box(a[0])->Append(to_string(a[1], "item")));
}

Object list_clear(const Function& fn, PyObject* args, PyObject* kw) {
  list_box(self_only(fn, args, kw))->Clear();
  return pyl::none();
}

Object list_count(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(list_box(self_only(fn, args, kw))->GetCount());
}

Object list_string(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "n");
  wxListBox* list = list_box(a[0]);
  return from_string(list->GetString(index_in(list, a[1])));
}

Object list_strings(const Function& fn, PyObject* args, PyObject* kw) {
  wxListBox* list = list_box(self_only(fn, args, kw));
  Object items = pyl::list({});
  for (const wxString& s : list->GetStrings()) pyl::check_status(PyList_Append(items.get(), from_string(s).get()));
  return items;
}

Object list_selection(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(list_box(self_only(fn, args, kw))->GetSelection());
}

Object list_set_selection(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = one(fn, args, kw, "n");
  wxListBox* list = list_box(a[0]);
  if (to_long(a[1], "n") == wxNOT_FOUND) {
    list->SetSelection(wxNOT_FOUND);
  } else {
    list->SetSelection(static_cast<int>(index_in(list, a[1])));
  }
  return pyl::none();
}

Object list_string_selection(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(list_box(self_only(fn, args, kw))->GetStringSelection());
}

}  // namespace

const ClassDef kPanelClass{"Panel",
                           "Window",
                           {{{"__init__", guarded<panel_init>},
                             [] {
                               return pyl::tuple({pyl::integer(wxID_ANY).get(), default_position(), default_size(),
                                                  pyl::integer(wxTAB_TRAVERSAL).get(), pyl::bytes("panel").get()});
                             }}},
                           {},
                           false};

const ClassDef kControlClass{"Control", "Window", {}, {}, false};

const ClassDef kStaticTextClass{
    "StaticText",
    "Control",
    {
        {{"__init__", guarded<static_text_init>},
         [] {
           return pyl::tuple({pyl::integer(wxID_ANY).get(), pyl::text("").get(), default_position(), default_size(),
                              pyl::integer(0).get(), pyl::bytes("staticText").get()});
         }},
        {{"Wrap", guarded<wrap_text>}, nullptr},
    },
    {},
    false};

const ClassDef kTextCtrlClass{"TextCtrl",
                              "Control",
                              {
                                  {{"__init__", guarded<text_init>},
                                   [] { return text_like_defaults(pyl::text("").get(), 0, "text"); }},
                                  {{"GetValue", guarded<get_value>}, nullptr},
                                  {{"SetValue", guarded<set_value>}, nullptr},
                                  {{"ChangeValue", guarded<change_value>}, nullptr},
                                  {{"AppendText", guarded<append_text>}, nullptr},
                                  {{"WriteText", guarded<write_text>}, nullptr},
                                  {{"Clear", guarded<clear>}, nullptr},
                                  {{"IsEmpty", guarded<is_empty>}, nullptr},
                                  {{"SetInsertionPoint", guarded<set_insertion_point>}, nullptr},
                                  {{"SetInsertionPointEnd", guarded<set_insertion_point_end>}, nullptr},
                                  {{"GetInsertionPoint", guarded<get_insertion_point>}, nullptr},
                                  {{"GetLastPosition", guarded<get_last_position>}, nullptr},
                                  {{"SetMaxLength", guarded<set_max_length>}, nullptr},
                                  {{"SelectAll", guarded<select_all>}, nullptr},
                                  {{"IsMultiLine", guarded<is_multi_line>}, nullptr},
                              },
                              {},
                              false};

const ClassDef kButtonClass{"Button",
                            "Control",
                            {
                                {{"__init__", guarded<button_init>},
                                 [] { return text_like_defaults(pyl::text("").get(), 0, "button"); }},
                                {{"SetDefault", guarded<set_default>}, nullptr},
                            },
                            {},
                            false};

const ClassDef kBitmapButtonClass{
    "BitmapButton",
    "Button",
    {
        {{"__init__", guarded<bitmap_button_init>},
         [] { return text_like_defaults(make_value("Bitmap", wxBitmap()).get(), wxBU_AUTODRAW, "button"); }},
        {{"SetBitmapLabel", guarded<set_picture<State::label>>}, nullptr},
        {{"SetBitmap", guarded<set_picture<State::label>>}, nullptr},
        {{"SetBitmapCurrent", guarded<set_picture<State::current>>}, nullptr},
        {{"SetBitmapHover", guarded<set_picture<State::current>>}, nullptr},
        {{"SetBitmapPressed", guarded<set_picture<State::pressed>>}, nullptr},
        {{"SetBitmapSelected", guarded<set_picture<State::pressed>>}, nullptr},
        {{"SetBitmapFocus", guarded<set_picture<State::focus>>}, nullptr},
        {{"SetBitmapDisabled", guarded<set_picture<State::disabled>>}, nullptr},
        {{"GetBitmapLabel", guarded<get_picture<State::label>>}, nullptr},
        {{"GetBitmap", guarded<get_picture<State::label>>}, nullptr},
        {{"GetBitmapCurrent", guarded<get_picture<State::current>>}, nullptr},
        {{"GetBitmapHover", guarded<get_picture<State::current>>}, nullptr},
        {{"GetBitmapPressed", guarded<get_picture<State::pressed>>}, nullptr},
        {{"GetBitmapSelected", guarded<get_picture<State::pressed>>}, nullptr},
        {{"GetBitmapFocus", guarded<get_picture<State::focus>>}, nullptr},
        {{"GetBitmapDisabled", guarded<get_picture<State::disabled>>}, nullptr},
    },
    {},
    false};

const ClassDef kListBoxClass{"ListBox",
                             "Control",
                             {
                                 {{"__init__", guarded<list_init>}, list_defaults},
                                 {{"Set", guarded<list_set>}, nullptr},
                                 {{"Append", guarded<list_append>}, nullptr},
                                 {{"Clear", guarded<list_clear>}, nullptr},
                                 {{"GetCount", guarded<list_count>}, nullptr},
                                 {{"GetString", guarded<list_string>}, nullptr},
                                 {{"GetStrings", guarded<list_strings>}, nullptr},
                                 {{"GetSelection", guarded<list_selection>}, nullptr},
                                 {{"SetSelection", guarded<list_set_selection>}, nullptr},
                                 {{"GetStringSelection", guarded<list_string_selection>}, nullptr},
                             },
                             {},
                             false};

}  // namespace wxpy
