#include "simulator.h"

#include "toolkit.h"

#include <memory>

#include <wx/uiaction.h>

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

struct SimulatorHandle : pyl::Handle {
  wxUIActionSimulator simulator;
};

wxUIActionSimulator& simulator(PyObject* self) {
  auto* handle = pyl::handle_as<SimulatorHandle>(self);
  if (!handle) {
    if (pyl::is_native(self) && !pyl::handle_of(self)) not_created(self);
    not_a(self, "a wx.UIActionSimulator");
  }
  return handle->simulator;
}

Object init(const Function& fn, PyObject* args, PyObject* kw) {
  PyObject* self = self_only(fn, args, kw);
  require_uncreated(self);
  require_app();
  pyl::set_handle(self, std::make_unique<SimulatorHandle>());
  return pyl::none();
}

// Input runs the event loop: assertions there are not the call's own.

// MouseMove(x, y) or MouseMove(point)
Object mouse_move(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("MouseMove", {"self", "x", "y"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxUIActionSimulator& s = simulator(a[0]);
  wxPoint p = a[2] == Py_None ? to_point(a[1], "point") : wxPoint(to_int(a[1], "x"), to_int(a[2], "y"));
  AssertionScope printed(false);
  return pyl::boolean(s.MouseMove(p));
}

template <bool (wxUIActionSimulator::*Press)(int)>
Object mouse_button(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = pyl::Signature(fn.def->name, {"self", "button"}, false).bind(fn, args, kw);
  wxUIActionSimulator& s = simulator(a[0]);
  int button = to_int(a[1], "button");
  AssertionScope printed(false);
  return pyl::boolean((s.*Press)(button));
}

Object key_char(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Char", {"self", "keycode", "modifiers"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxUIActionSimulator& s = simulator(a[0]);
  int keycode = to_int(a[1], "keycode"), modifiers = to_int(a[2], "modifiers");
  AssertionScope printed(false);
  return pyl::boolean(s.Char(keycode, modifiers));
}

Object text(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Text", {"self", "text"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxUIActionSimulator& s = simulator(a[0]);
  const wxString typed = to_string(a[1], "text");
  const wxScopedCharBuffer chars = typed.utf8_str();
  AssertionScope printed(false);
  return pyl::boolean(s.Text(chars.data()));
}

Object left_button() { return pyl::tuple({pyl::integer(wxMOUSE_BTN_LEFT).get()}); }

}  // namespace

const ClassDef kUIActionSimulatorClass{
    "UIActionSimulator",
    "Object",
    {
        {{"__init__", guarded<init>}, nullptr},
        {{"MouseMove", guarded<mouse_move>}, [] { return pyl::tuple({Py_None}); }},
        {{"MouseDown", guarded<mouse_button<&wxUIActionSimulator::MouseDown>>}, left_button},
        {{"MouseUp", guarded<mouse_button<&wxUIActionSimulator::MouseUp>>}, left_button},
        {{"MouseClick", guarded<mouse_button<&wxUIActionSimulator::MouseClick>>}, left_button},
        {{"MouseDblClick", guarded<mouse_button<&wxUIActionSimulator::MouseDblClick>>}, left_button},
        {{"Char", guarded<key_char>}, [] { return pyl::tuple({pyl::integer(wxMOD_NONE).get()}); }},
        {{"Text", guarded<text>}, nullptr},
    },
    {},
    false};

}  // namespace wxpy
