// Binding a call's arguments to parameters as a Python `def` does: the same
// order of checks and the same TypeError texts as the interpreter's.
#pragma once
#include "python.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "object.h"

namespace pyl {

struct Function;

constexpr size_t kMaxParameters = 8;

struct Arguments {
  std::array<Object, kMaxParameters> values;  // one per parameter, in order
  Object kwargs;  // the other keywords, a new dict, when the def takes **kwargs
  PyObject* operator[](size_t i) const { return values[i].get(); }
};

class Signature {
 public:
  // def name(params..., **kwargs if gathers_keywords): the last
  // len(defaults) parameters take the function's defaults.
  Signature(const char* name, std::initializer_list<const char*> params, bool gathers_keywords);

  // Fails with the interpreter's TypeError and line 0 (no traceback entry of
  // our own: the body has not started).
  Arguments bind(const Function& fn, PyObject* args, PyObject* kw) const;

 private:
  PyObject* parameter(size_t i) const;
  const char* name_;
  std::vector<const char*> params_;
  bool gathers_keywords_;
};

}  // namespace pyl
