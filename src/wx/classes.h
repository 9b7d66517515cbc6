// The module's classes as tables: one row a method or property, run by one
// builder as a class statement would run.
#pragma once
#include "pyl/python.h"

#include <vector>

#include "pyl/function.h"
#include "pyl/module.h"
#include "pyl/object.h"

namespace wxpy {

struct Method {
  pyl::FunctionDef def;
  pyl::Object (*defaults)();  // the last parameters' defaults; nullptr: none
};

struct Property {
  const char* name;
  pyl::FunctionDef get;
  pyl::FunctionDef set;  // set.impl nullptr: read-only
};

struct ClassDef {
  const char* name;
  const char* base;  // a class defined before; nullptr: the native base
  std::vector<Method> methods;
  std::vector<Property> properties;
  bool unhashable;  // __hash__ = None (values compared by content)
};

// Creates the class in module m, binds it there and keeps it for
// class_named().
void define_class(pyl::Module& m, const ClassDef& cls);
// A class made by define_class. Borrowed.
PyObject* class_named(const char* name, int line = PYL_CALLER_LINE);

// Module-level functions, bound in m.
void define_functions(pyl::Module& m, const std::vector<Method>& functions);

// The site methods are made at ("wx._core").
const pyl::Site& site();

}  // namespace wxpy

namespace wxpy {

// The instance of a method that takes no other argument (borrowed from the
// call's arguments).
PyObject* self_only(const pyl::Function& fn, PyObject* args, PyObject* kw);

}  // namespace wxpy
