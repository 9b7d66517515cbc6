// Value classes: Size, Point, Font, Bitmap, ToolTip. Each instance owns a
// copy of its toolkit value.
#pragma once
#include "pyl/python.h"

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "classes.h"
#include "pyl/native.h"

namespace wxpy {

template <class T>
struct Value : pyl::Handle {
  explicit Value(T v) : value(std::move(v)) {}
  T value;
};

[[noreturn]] void not_value(PyObject* o, const char* what, const char* cls, int line);

// The value an instance of class `cls` carries; TypeError naming cls otherwise.
template <class T>
T& value_of(PyObject* o, const char* what, const char* cls, int line = PYL_CALLER_LINE) {
  if (auto* v = pyl::handle_as<Value<T>>(o)) return v->value;
  not_value(o, what, cls, line);
}

// A new instance of the class named cls holding v.
template <class T>
pyl::Object make_value(const char* cls, T v, int line = PYL_CALLER_LINE) {
  pyl::Object instance = pyl::new_native(class_named(cls, line), line);
  pyl::set_handle(instance.get(), std::make_unique<Value<T>>(std::move(v)));
  return instance;
}

// A wx.Size or (width, height); a wx.Point or (x, y).
wxSize to_size(PyObject* o, const char* what, int line = PYL_CALLER_LINE);
wxPoint to_point(PyObject* o, const char* what, int line = PYL_CALLER_LINE);
const wxBitmap& to_bitmap(PyObject* o, const char* what, int line = PYL_CALLER_LINE);
const wxFont& to_font(PyObject* o, const char* what, int line = PYL_CALLER_LINE);
// A wx.ToolTip or a string: the tip's text.
wxString to_tip(PyObject* o, const char* what, int line = PYL_CALLER_LINE);

pyl::Object make_size(const wxSize& size, int line = PYL_CALLER_LINE);
pyl::Object make_point(const wxPoint& point, int line = PYL_CALLER_LINE);

extern const ClassDef kSizeClass, kPointClass, kFontClass, kBitmapClass, kToolTipClass;

// DefaultSize, DefaultPosition, NullBitmap, EmptyString.
void define_value_constants(pyl::Module& m);

}  // namespace wxpy
