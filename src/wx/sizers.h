// wx.Sizer and wx.BoxSizer. A sizer belongs to its Python object until it
// is put in a window or in another sizer; from then on it belongs to the
// toolkit and keeps its Python object alive until the toolkit deletes it
// (with its window or its containing sizer).
#pragma once
#include "pyl/python.h"

#include "classes.h"
#include "pyl/function.h"

namespace wxpy {

extern const ClassDef kSizerClass, kBoxSizerClass;

// Window.SetSizer(sizer, deleteOld=True), GetSizer(), GetContainingSizer().
pyl::Object set_sizer(const pyl::Function& fn, PyObject* args, PyObject* kw);
pyl::Object get_sizer(const pyl::Function& fn, PyObject* args, PyObject* kw);
pyl::Object get_containing_sizer(const pyl::Function& fn, PyObject* args, PyObject* kw);

}  // namespace wxpy
