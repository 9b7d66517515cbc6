#include "values.h"

#include "toolkit.h"

#include "binding.h"
#include "convert.h"
#include "pyl/ops.h"
#include "pyl/signature.h"
#include "runtime.h"

namespace wxpy {

using pyl::Function;
using pyl::Object;

void not_value(PyObject* o, const char* what, const char* cls, int line) {
  if (pyl::is_native(o) && !pyl::handle_of(o)) {
    PyErr_Format(PyExc_RuntimeError, "The C++ part of the %.200s object has not been created: its __init__ has not run",
                 Py_TYPE(o)->tp_name);
    pyl::rethrow(line);
  }
  PyErr_Format(PyExc_TypeError, "%s must be a wx.%s, not %.200s", what, cls, Py_TYPE(o)->tp_name);
  pyl::rethrow(line);
}

wxSize to_size(PyObject* o, const char* what, int line) {
  if (auto* v = pyl::handle_as<Value<wxSize>>(o)) return v->value;
  int w, h;
  if (int_pair(o, w, h, line)) return wxSize(w, h);
  wrong_type(o, what, "a wx.Size or a (width, height) pair of integers", line);
}

wxPoint to_point(PyObject* o, const char* what, int line) {
  if (auto* v = pyl::handle_as<Value<wxPoint>>(o)) return v->value;
  int x, y;
  if (int_pair(o, x, y, line)) return wxPoint(x, y);
  wrong_type(o, what, "a wx.Point or an (x, y) pair of integers", line);
}

const wxBitmap& to_bitmap(PyObject* o, const char* what, int line) {
  return value_of<wxBitmap>(o, what, "Bitmap", line);
}

const wxFont& to_font(PyObject* o, const char* what, int line) { return value_of<wxFont>(o, what, "Font", line); }

wxString to_tip(PyObject* o, const char* what, int line) {
  if (auto* v = pyl::handle_as<Value<wxString>>(o)) return v->value;
  if (PyString_Check(o) || PyUnicode_Check(o)) return to_string(o, what, line);
  wrong_type(o, what, "a wx.ToolTip or a string", line);
}

Object make_size(const wxSize& size, int line) { return make_value("Size", size, line); }
Object make_point(const wxPoint& point, int line) { return make_value("Point", point, line); }

namespace {

// ---- Size and Point: pairs that behave like the tuple of their two values

// Where a pair keeps its two values.
template <class T>
struct PairTraits;
template <>
struct PairTraits<wxSize> {
  static constexpr const char* name = "Size";
  static int& first(wxSize& s) { return s.x; }
  static int& second(wxSize& s) { return s.y; }
  static bool from(PyObject* o, wxSize& out) {
    if (auto* v = pyl::handle_as<Value<wxSize>>(o)) return out = v->value, true;
    return int_pair(o, out.x, out.y);
  }
};
template <>
struct PairTraits<wxPoint> {
  static constexpr const char* name = "Point";
  static int& first(wxPoint& p) { return p.x; }
  static int& second(wxPoint& p) { return p.y; }
  static bool from(PyObject* o, wxPoint& out) {
    if (auto* v = pyl::handle_as<Value<wxPoint>>(o)) return out = v->value, true;
    return int_pair(o, out.x, out.y);
  }
};

template <class T>
T& pair_of(PyObject* self) {
  return value_of<T>(self, "self", PairTraits<T>::name);
}

template <class T>
Object pair_tuple(PyObject* self) {
  T& v = pair_of<T>(self);
  return pyl::tuple({pyl::integer(PairTraits<T>::first(v)).get(), pyl::integer(PairTraits<T>::second(v)).get()});
}

Object size_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "width", "height"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  if (!pyl::is_native(a[0])) not_value(a[0], "self", "Size", PYL_CALLER_LINE);
  wxSize size(to_int(a[1], "width"), to_int(a[2], "height"));
  pyl::set_handle(a[0], std::make_unique<Value<wxSize>>(size));
  return pyl::none();
}

Object point_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "x", "y"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  if (!pyl::is_native(a[0])) not_value(a[0], "self", "Point", PYL_CALLER_LINE);
  wxPoint point(to_int(a[1], "x"), to_int(a[2], "y"));
  pyl::set_handle(a[0], std::make_unique<Value<wxPoint>>(point));
  return pyl::none();
}

template <class T>
Object pair_get(const Function& fn, PyObject* args, PyObject* kw) {
  return pair_tuple<T>(self_only(fn, args, kw));
}

template <class T, bool First>
Object pair_read(const Function& fn, PyObject* args, PyObject* kw) {
  T& v = pair_of<T>(self_only(fn, args, kw));
  return pyl::integer(First ? PairTraits<T>::first(v) : PairTraits<T>::second(v));
}

template <class T, bool First>
Object pair_write(const Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = pyl::Signature(fn.def->name, {"self", "value"}, false).bind(fn, args, kw);
  T& v = pair_of<T>(a[0]);
  (First ? PairTraits<T>::first(v) : PairTraits<T>::second(v)) = to_int(a[1], "value");
  return pyl::none();
}

template <class T>
Object pair_set(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("Set", {"self", "first", "second"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  T& v = pair_of<T>(a[0]);
  int first = to_int(a[1], "first"), second = to_int(a[2], "second");
  PairTraits<T>::first(v) = first;
  PairTraits<T>::second(v) = second;
  return pyl::none();
}

template <class T>
Object pair_len(const Function& fn, PyObject* args, PyObject* kw) {
  pair_of<T>(self_only(fn, args, kw));
  return pyl::integer(2);
}

template <class T>
Object pair_getitem(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__getitem__", {"self", "index"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  return pyl::item(pair_tuple<T>(a[0]).get(), a[1]);
}

// Equal to a pair of the same kind or a tuple of the same two integers;
// anything else is left to the other operand.
template <class T, bool Equal>
Object pair_compare(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig(Equal ? "__eq__" : "__ne__", {"self", "other"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  T& mine = pair_of<T>(a[0]);
  T other;
  if (!PairTraits<T>::from(a[1], other)) return pyl::borrow(Py_NotImplemented);
  return pyl::boolean((mine == other) == Equal);
}

template <class T>
Object pair_nonzero(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(pair_of<T>(self_only(fn, args, kw)) != T(0, 0));
}

template <class T>
Object pair_repr(const Function& fn, PyObject* args, PyObject* kw) {
  T& v = pair_of<T>(self_only(fn, args, kw));
  return pyl::check(PyString_FromFormat("wx.%s(%d, %d)", PairTraits<T>::name, PairTraits<T>::first(v),
                                        PairTraits<T>::second(v)));
}

template <class T>
Object pair_str(const Function& fn, PyObject* args, PyObject* kw) {
  T& v = pair_of<T>(self_only(fn, args, kw));
  return pyl::check(PyString_FromFormat("(%d, %d)", PairTraits<T>::first(v), PairTraits<T>::second(v)));
}

Object zero_pair() { return pyl::tuple({pyl::integer(0).get(), pyl::integer(0).get()}); }

template <class T>
std::vector<Method> pair_methods(pyl::Impl init) {
  return {
      {{"__init__", init}, zero_pair},
      {{"Get", pair_get<T>}, nullptr},
      {{"Set", pair_set<T>}, nullptr},
      {{"__len__", pair_len<T>}, nullptr},
      {{"__getitem__", pair_getitem<T>}, nullptr},
      {{"__eq__", pair_compare<T, true>}, nullptr},
      {{"__ne__", pair_compare<T, false>}, nullptr},
      {{"__nonzero__", pair_nonzero<T>}, nullptr},
      {{"__repr__", pair_repr<T>}, nullptr},
      {{"__str__", pair_str<T>}, nullptr},
  };
}

std::vector<Method> size_methods() {
  std::vector<Method> methods = pair_methods<wxSize>(size_init);
  methods.insert(methods.end(), {
                                    {{"GetWidth", pair_read<wxSize, true>}, nullptr},
                                    {{"GetHeight", pair_read<wxSize, false>}, nullptr},
                                    {{"SetWidth", pair_write<wxSize, true>}, nullptr},
                                    {{"SetHeight", pair_write<wxSize, false>}, nullptr},
                                });
  return methods;
}

// ---- Font

const wxFont& font_of(PyObject* self) { return value_of<wxFont>(self, "self", "Font"); }

Object font_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig(
      "__init__", {"self", "pointSize", "family", "style", "weight", "underline", "face", "encoding"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  int size = to_int(a[1], "pointSize");
  auto family = static_cast<wxFontFamily>(to_int(a[2], "family"));
  auto style = static_cast<wxFontStyle>(to_int(a[3], "style"));
  // wx.BOLD and the like, as the classic constructor took them.
  auto weight = static_cast<wxFontWeight>(wxFontBase::ConvertFromLegacyWeightIfNecessary(to_int(a[4], "weight")));
  bool underline = pyl::truth(a[5]);
  wxString face = to_string(a[6], "face");
  auto encoding = static_cast<wxFontEncoding>(to_int(a[7], "encoding"));
  require_app();
  wxFont font(size, family, style, weight, underline, face, encoding);
  pyl::set_handle(a[0], std::make_unique<Value<wxFont>>(font));
  return pyl::none();
}

Object font_defaults() {
  return pyl::tuple({Py_False, pyl::text("").get(), pyl::integer(wxFONTENCODING_DEFAULT).get()});
}

Object font_size(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(font_of(self_only(fn, args, kw)).GetPointSize());
}

Object font_family(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(font_of(self_only(fn, args, kw)).GetFamily());
}
Object font_style(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(font_of(self_only(fn, args, kw)).GetStyle());
}
Object font_weight(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::integer(font_of(self_only(fn, args, kw)).GetWeight());
}
Object font_underlined(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(font_of(self_only(fn, args, kw)).GetUnderlined());
}
Object font_face(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(font_of(self_only(fn, args, kw)).GetFaceName());
}
Object font_ok(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(font_of(self_only(fn, args, kw)).IsOk());
}

Object font_set_size(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetPointSize", {"self", "pointSize"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  value_of<wxFont>(a[0], "self", "Font").SetPointSize(to_int(a[1], "pointSize"));
  return pyl::none();
}

Object font_set_weight(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetWeight", {"self", "weight"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  int weight = wxFontBase::ConvertFromLegacyWeightIfNecessary(to_int(a[1], "weight"));
  value_of<wxFont>(a[0], "self", "Font").SetWeight(static_cast<wxFontWeight>(weight));
  return pyl::none();
}

// ---- Bitmap

const wxBitmap& bitmap_of(PyObject* self) { return to_bitmap(self, "self"); }

// A file that cannot be read gives an invalid bitmap, as in the classic
// toolkit, without the toolkit's error box.
Object bitmap_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "name", "type"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  wxString name = to_string(a[1], "name");
  auto type = static_cast<wxBitmapType>(to_int(a[2], "type"));
  require_app();
  wxBitmap bitmap;
  if (!name.empty()) {
    wxLogNull quiet;
    if (!bitmap.LoadFile(name, type)) bitmap = wxBitmap();
  }
  pyl::set_handle(a[0], std::make_unique<Value<wxBitmap>>(bitmap));
  return pyl::none();
}

// An invalid bitmap measures -1, as the classic one did, rather than
// failing a toolkit assertion.
Object bitmap_width(const Function& fn, PyObject* args, PyObject* kw) {
  const wxBitmap& b = bitmap_of(self_only(fn, args, kw));
  return pyl::integer(b.IsOk() ? b.GetWidth() : -1);
}
Object bitmap_height(const Function& fn, PyObject* args, PyObject* kw) {
  const wxBitmap& b = bitmap_of(self_only(fn, args, kw));
  return pyl::integer(b.IsOk() ? b.GetHeight() : -1);
}
Object bitmap_size(const Function& fn, PyObject* args, PyObject* kw) {
  const wxBitmap& b = bitmap_of(self_only(fn, args, kw));
  return make_size(b.IsOk() ? b.GetSize() : wxSize(-1, -1));
}
Object bitmap_depth(const Function& fn, PyObject* args, PyObject* kw) {
  const wxBitmap& b = bitmap_of(self_only(fn, args, kw));
  return pyl::integer(b.IsOk() ? b.GetDepth() : -1);
}
Object bitmap_ok(const Function& fn, PyObject* args, PyObject* kw) {
  return pyl::boolean(bitmap_of(self_only(fn, args, kw)).IsOk());
}

// ---- ToolTip: its text; a window makes its own toolkit tip from it

Object tooltip_init(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("__init__", {"self", "tip"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  require_uncreated(a[0]);
  pyl::set_handle(a[0], std::make_unique<Value<wxString>>(to_string(a[1], "tip")));
  return pyl::none();
}

Object tooltip_get(const Function& fn, PyObject* args, PyObject* kw) {
  return from_string(value_of<wxString>(self_only(fn, args, kw), "self", "ToolTip"));
}

Object tooltip_set(const Function& fn, PyObject* args, PyObject* kw) {
  static const pyl::Signature sig("SetTip", {"self", "tip"}, false);
  pyl::Arguments a = sig.bind(fn, args, kw);
  value_of<wxString>(a[0], "self", "ToolTip") = to_string(a[1], "tip");
  return pyl::none();
}

}  // namespace

const ClassDef kSizeClass{"Size", nullptr, size_methods(),
                          {{"width", {"width", pair_read<wxSize, true>}, {"width", pair_write<wxSize, true>}},
                           {"height", {"height", pair_read<wxSize, false>}, {"height", pair_write<wxSize, false>}},
                           {"x", {"x", pair_read<wxSize, true>}, {"x", pair_write<wxSize, true>}},
                           {"y", {"y", pair_read<wxSize, false>}, {"y", pair_write<wxSize, false>}}},
                          true};

const ClassDef kPointClass{"Point", nullptr, pair_methods<wxPoint>(point_init),
                           {{"x", {"x", pair_read<wxPoint, true>}, {"x", pair_write<wxPoint, true>}},
                            {"y", {"y", pair_read<wxPoint, false>}, {"y", pair_write<wxPoint, false>}}},
                           true};

const ClassDef kFontClass{"Font",
                          nullptr,
                          {
                              {{"__init__", guarded<font_init>}, font_defaults},
                              {{"IsOk", font_ok}, nullptr},
                              {{"Ok", font_ok}, nullptr},
                              {{"GetPointSize", font_size}, nullptr},
                              {{"GetFamily", font_family}, nullptr},
                              {{"GetStyle", font_style}, nullptr},
                              {{"GetWeight", font_weight}, nullptr},
                              {{"GetUnderlined", font_underlined}, nullptr},
                              {{"GetFaceName", font_face}, nullptr},
                              {{"SetPointSize", guarded<font_set_size>}, nullptr},
                              {{"SetWeight", guarded<font_set_weight>}, nullptr},
                          },
                          {},
                          false};

const ClassDef kBitmapClass{"Bitmap",
                            nullptr,
                            {
                                {{"__init__", guarded<bitmap_init>},
                                 [] { return pyl::tuple({pyl::integer(wxBITMAP_TYPE_ANY).get()}); }},
                                {{"IsOk", bitmap_ok}, nullptr},
                                {{"Ok", bitmap_ok}, nullptr},
                                {{"GetWidth", bitmap_width}, nullptr},
                                {{"GetHeight", bitmap_height}, nullptr},
                                {{"GetSize", bitmap_size}, nullptr},
                                {{"GetDepth", bitmap_depth}, nullptr},
                            },
                            {},
                            false};

const ClassDef kToolTipClass{"ToolTip",
                             nullptr,
                             {
                                 {{"__init__", tooltip_init}, nullptr},
                                 {{"GetTip", tooltip_get}, nullptr},
                                 {{"SetTip", tooltip_set}, nullptr},
                             },
                             {},
                             false};

void define_value_constants(pyl::Module& m) {
  m.bind(pyl::intern("DefaultSize"), make_size(wxDefaultSize).get());
  m.bind(pyl::intern("DefaultPosition"), make_point(wxDefaultPosition).get());
  m.bind(pyl::intern("NullBitmap"), make_value("Bitmap", wxBitmap()).get());
  m.bind(pyl::intern("EmptyString"), pyl::text("").get());
}

}  // namespace wxpy
