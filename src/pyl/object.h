// Owned references. An Object owns one reference: copying adds one, moving
// hands it over, destruction gives it back. Ownership is said at the call
// site: steal(p) takes over a new reference, borrow(p) adds one of its own.
#pragma once
#include "python.h"

#include <utility>

namespace pyl {

class Object {
 public:
  Object() = default;
  Object(const Object& other) : p_(other.p_) { Py_XINCREF(p_); }
  Object(Object&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
  Object& operator=(Object other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~Object() { Py_XDECREF(p_); }

  PyObject* get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Gives the reference away to the caller.
  PyObject* release() { return std::exchange(p_, nullptr); }

  friend Object steal(PyObject* p);
  friend Object borrow(PyObject* p);

 private:
  explicit Object(PyObject* p) : p_(p) {}
  PyObject* p_ = nullptr;
};

inline Object steal(PyObject* p) { return Object(p); }
inline Object borrow(PyObject* p) {
  Py_XINCREF(p);
  return Object(p);
}

inline Object none() { return borrow(Py_None); }
inline Object boolean(bool b) { return borrow(b ? Py_True : Py_False); }

}  // namespace pyl
