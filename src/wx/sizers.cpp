#include "sizers.h"

#include "toolkit.h"

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

struct SizerHandle;

// Every sizer of the module: it tells its Python object when it goes.
class PyBoxSizer : public wxBoxSizer {
 public:
  explicit PyBoxSizer(int orient) : wxBoxSizer(orient) {}
  ~PyBoxSizer() override;

  SizerHandle* handle = nullptr;     // the Python object's, while it exists
  Object keep;                       // the Python object, while the toolkit owns the sizer
  PyBoxSizer* container = nullptr;   // the sizer this one is in
};

struct SizerHandle : pyl::Handle {
  PyBoxSizer* sizer = nullptr;  // nullptr once the toolkit has deleted it
  bool owned = true;            // the Python object owns the sizer

  ~SizerHandle() override {
    if (!sizer) return;
    sizer->handle = nullptr;
    if (owned) delete sizer;
  }
};

PyBoxSizer::~PyBoxSizer() {
  if (handle) handle->sizer = nullptr;
  Object last = std::move(keep);  // may be the last reference: nothing of ours is used after
}

// The toolkit takes the sizer of `wrapper` over.
void adopt(SizerHandle& handle, PyObject* wrapper) {
  handle.owned = false;
  handle.sizer->keep = pyl::borrow(wrapper);
}

// The toolkit lets go of the sizer without deleting it.
void give_back(PyBoxSizer* sizer) {
  if (!sizer->handle) return;
  sizer->handle->owned = true;
  sizer->container = nullptr;
  Object last = std::move(sizer->keep);
}

SizerHandle& handle_of_sizer(PyObject* o, const char* what, int line = PYL_CALLER_LINE) {
  auto* handle = pyl::handle_as<SizerHandle>(o);
  if (!handle) {
    if (pyl::is_native(o) && !pyl::handle_of(o)) not_created(o, line);
    wrong_type(o, what, "a wx.Sizer", line);
  }
  if (!handle->sizer) deleted(o, line);
  return *handle;
}

PyBoxSizer* sizer_of(PyObject* self, int line = PYL_CALLER_LINE) { return handle_of_sizer(self, "self", line).sizer; }

Object wrapper_of(wxSizer* sizer) {
  auto* ours = dynamic_cast<PyBoxSizer*>(sizer);
  return ours && ours->keep ? ours->keep : pyl::none();
}

[[noreturn]] void refuse(const char* message, int line = PYL_CALLER_LINE) {
  pyl::raise(errors().assertion, message, line);
}

Object box_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "orient"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  int orient = to_int(a[1], "orient");
  if (orient != wxHORIZONTAL && orient != wxVERTICAL)
    pyl::raise(PyExc_ValueError, "orient must be wx.HORIZONTAL or wx.VERTICAL");
  auto handle = std::make_unique<SizerHandle>();
  handle->sizer = new PyBoxSizer(orient);
  handle->sizer->handle = handle.get();
  pyl::set_handle(a[0], std::move(handle));
  return pyl::none();
}

// Add(item, proportion=0, flag=0, border=0, userData=None): item is a
// window, a sizer, or a spacer given as a wx.Size or a (width, height) pair.
Object add(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Add", {"self", "item", "proportion", "flag", "border", "userData"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  PyBoxSizer* sizer = sizer_of(a[0]);
  int proportion = to_int(a[2], "proportion"), flag = to_int(a[3], "flag"), border = to_int(a[4], "border");
  if (a[5] != Py_None) pyl::raise(PyExc_TypeError, "userData is not supported");
  PyObject* item = a[1];
  if (pyl::handle_as<SizerHandle>(item)) {
    SizerHandle& child = handle_of_sizer(item, "item");
    if (!child.owned) refuse("the sizer is already in a window or in another sizer");
    for (PyBoxSizer* s = sizer; s; s = s->container)
      if (s == child.sizer) refuse("a sizer cannot be put inside itself");
    sizer->Add(child.sizer, proportion, flag, border);
    child.sizer->container = sizer;
    adopt(child, item);
  } else if (pyl::handle_as<Target>(item) || (pyl::is_native(item) && !pyl::handle_of(item))) {
    wxWindow* window = native<wxWindow>(item, "a wx.Window");
    if (window->IsTopLevel()) refuse("a top-level window cannot be put in a sizer");
    if (window->GetContainingSizer()) refuse("Adding a window already in a sizer, detach it first!");
    sizer->Add(window, proportion, flag, border);
  } else {
    int width, height;
    if (auto* size = pyl::handle_as<Value<wxSize>>(item)) {
      width = size->value.x;
      height = size->value.y;
    } else if (!int_pair(item, width, height)) {
      wrong_type(item, "item", "a wx.Window, a wx.Sizer, a wx.Size or a (width, height) pair");
    }
    sizer->Add(width, height, proportion, flag, border);
  }
  return pyl::none();
}

Object add_defaults() {
  return pyl::tuple({pyl::integer(0).get(), pyl::integer(0).get(), pyl::integer(0).get(), Py_None});
}

Object add_spacer(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("AddSpacer", {"self", "size"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  sizer_of(a[0])->AddSpacer(to_int(a[1], "size"));
  return pyl::none();
}

Object add_stretch_spacer(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("AddStretchSpacer", {"self", "prop"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  sizer_of(a[0])->AddStretchSpacer(to_int(a[1], "prop"));
  return pyl::none();
}

Object layout(const Function& fn, PyObject* args, PyObject* kw) {
  sizer_of(self_only(fn, args, kw))->Layout();
  return pyl::none();
}

Object fit(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Fit", {"self", "window"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  PyBoxSizer* sizer = sizer_of(a[0]);
  return make_size(sizer->Fit(native<wxWindow>(a[1], "a wx.Window")));
}

Object item_count(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(static_cast<long>(sizer_of(self_only(fn, args, kw))->GetItemCount()));
}

Object min_size(const Function& fn, PyObject* args, PyObject* kw) {
  return make_size(sizer_of(self_only(fn, args, kw))->GetMinSize());
}

Object size(const Function& fn, PyObject* args, PyObject* kw) {
  return make_size(sizer_of(self_only(fn, args, kw))->GetSize());
}

Object position(const Function& fn, PyObject* args, PyObject* kw) {
  return make_point(sizer_of(self_only(fn, args, kw))->GetPosition());
}

Object containing_window(const Function& fn, PyObject* args, PyObject* kw) {
  return wrap(sizer_of(self_only(fn, args, kw))->GetContainingWindow());
}

Object orientation(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(sizer_of(self_only(fn, args, kw))->GetOrientation());
}

}  // namespace

Object set_sizer(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetSizer", {"self", "sizer", "deleteOld"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  wxWindow* window = native<wxWindow>(a[0]);
  bool delete_old = pyl::truth(a[2]);
  SizerHandle* handle = a[1] == Py_None ? nullptr : &handle_of_sizer(a[1], "sizer");
  if (handle && handle->sizer == window->GetSizer()) return pyl::none();
  if (handle && !handle->owned) refuse("the sizer is already in a window or in another sizer");
  auto* old = dynamic_cast<PyBoxSizer*>(window->GetSizer());
  window->SetSizer(handle ? handle->sizer : nullptr, delete_old);
  if (handle) adopt(*handle, a[1]);
  if (old && !delete_old) give_back(old);
  return pyl::none();
}

Object get_sizer(const Function& fn, PyObject* args, PyObject* kw) {
  return wrapper_of(native<wxWindow>(self_only(fn, args, kw))->GetSizer());
}

Object get_containing_sizer(const Function& fn, PyObject* args, PyObject* kw) {
  return wrapper_of(native<wxWindow>(self_only(fn, args, kw))->GetContainingSizer());
}

const ClassDef kSizerClass{"Sizer",
                           "Object",
                           {
                               {{"Add", guarded<add>}, add_defaults},
                               {{"AddSpacer", guarded<add_spacer>}, nullptr},
                               {{"AddStretchSpacer", guarded<add_stretch_spacer>},
                                [] { return pyl::tuple({pyl::integer(1).get()}); }},
                               {{"Layout", guarded<layout>}, nullptr},
                               {{"Fit", guarded<fit>}, nullptr},
                               {{"GetItemCount", guarded<item_count>}, nullptr},
                               {{"GetMinSize", guarded<min_size>}, nullptr},
                               {{"GetSize", guarded<size>}, nullptr},
                               {{"GetPosition", guarded<position>}, nullptr},
                               {{"GetContainingWindow", guarded<containing_window>}, nullptr},
                           },
                           {},
                           false};

const ClassDef kBoxSizerClass{"BoxSizer",
                              "Sizer",
                              {
                                  {{"__init__", guarded<box_init>},
                                   [] { return pyl::tuple({pyl::integer(wxHORIZONTAL).get()}); }},
                                  {{"GetOrientation", guarded<orientation>}, nullptr},
                              },
                              {},
                              false};

}  // namespace wxpy
