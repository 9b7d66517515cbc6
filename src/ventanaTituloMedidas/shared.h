// What the window's methods share: module-level names read at call time.
#pragma once
#include "pyl/error.h"
#include "pyl/function.h"
#include "pyl/ops.h"

namespace ventana {

// A module-level name of the window module, read now.
inline pyl::Object global(const pyl::Function& fn, PyObject* name, int line = PYL_CALLER_LINE) {
  return pyl::global(fn.globals, name, line);
}

// wx.<name>, both read now.
inline pyl::Object wx(const pyl::Function& fn, PyObject* name, int line = PYL_CALLER_LINE) {
  pyl::Object module = global(fn, PYL_NAME("wx"), line);
  return pyl::attr(module.get(), name, line);
}

// bool(vg.obraNueva), read afresh: true names an alternative, false a set.
inline bool alternative_mode(const pyl::Function& fn, int line = PYL_CALLER_LINE) {
  pyl::Object vg = global(fn, PYL_NAME("vg"), line);
  pyl::Object flag = pyl::attr(vg.get(), PYL_NAME("obraNueva"), line);
  return pyl::truth(flag.get(), line);
}

// _C(text)
inline pyl::Object translated(const pyl::Function& fn, PyObject* text, int line = PYL_CALLER_LINE) {
  pyl::Object translate = global(fn, PYL_NAME("_C"), line);
  return pyl::call(translate.get(), {text}, {}, line);
}

}  // namespace ventana
