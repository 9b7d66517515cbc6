// Instances that carry a C++ object of their own. The type here is the base
// of classes made with make_class whose methods work on native state: each
// instance has a dict (attributes set before or after the native part exists
// stay with it), weak references, cycle collection, and at most one Handle,
// which it owns and deletes when it goes.
#pragma once
#include "python.h"

#include <memory>

#include "error.h"
#include "object.h"

namespace pyl {

// What an instance carries; subclasses hold the native state.
struct Handle {
  virtual ~Handle() = default;
};

// The base type, ready. Borrowed.
PyObject* native_base(int line = PYL_CALLER_LINE);
bool is_native(PyObject* o);

// The handle of a native instance; nullptr when o is not one or has none.
Handle* handle_of(PyObject* o);
template <class H>
H* handle_as(PyObject* o) {
  return dynamic_cast<H*>(handle_of(o));
}
// Gives o (a native instance) a new handle; the old one is deleted after
// the new one is in place.
void set_handle(PyObject* o, std::unique_ptr<Handle> handle);

// A new instance of cls (a subclass of the base) whose __init__ has not run.
Object new_native(PyObject* cls, int line = PYL_CALLER_LINE);

}  // namespace pyl
