// The shape of the catalogue's class declarations: a class is a table of
// field rows and a few methods, which one builder runs as the interpreter
// would run the class statement.
#pragma once
#include <cstddef>

#include "pyl/function.h"

namespace catalogue {

// A value written in a class body.
struct Value {
  enum Type { Nothing, Number, Real, False, Bytes, Text, Translated, SixZeros, ClassNamed };
  Type type;
  const char* s;  // the literal (UTF-8) or the class name
  long n;
};

constexpr Value number(long n) { return {Value::Number, nullptr, n}; }
constexpr Value zero = {Value::Real, nullptr, 0};                   // 0.0
constexpr Value no = {Value::False, nullptr, 0};                    // False
constexpr Value six_zeros = {Value::SixZeros, nullptr, 0};          // [0.0] * 6, one list per field
constexpr Value bytes(const char* s) { return {Value::Bytes, s, 0}; }  // 'abc'
constexpr Value text(const char* s) { return {Value::Text, s, 0}; }    // u'abc'
constexpr Value tr(const char* s) { return {Value::Translated, s, 0}; }  // _(u'abc')
constexpr Value class_named(const char* name) { return {Value::ClassNamed, name, 0}; }

// One argument of a field constructor; a null keyword is a positional one.
struct Arg {
  const char* keyword;
  Value value;
};

constexpr Arg positional(Value v) { return {nullptr, v}; }
constexpr Arg max_length(long n) { return {"max_length", number(n)}; }
constexpr Arg verbose_name(Value v) { return {"verbose_name", v}; }
constexpr Arg default_(Value v) { return {"default", v}; }
constexpr Arg related_name(Value v) { return {"related_name", v}; }

// The model library's field kinds, looked up by name when the body runs.
constexpr const char* CharField = "CharField";
constexpr const char* FloatField = "FloatField";
constexpr const char* BooleanField = "BooleanField";
constexpr const char* ForeignKey = "ForeignKey";

// <name> = <kind>(<args>), at source line <line>. Unused argument slots stay
// empty (null keyword, Nothing).
struct Field {
  int line;
  const char* name;
  const char* kind;
  Arg args[3];
};

struct Fields {
  const Field* rows;
  size_t count;
};

template <size_t N>
constexpr Fields fields(const Field (&rows)[N]) {
  return {rows, N};
}

// A method of a class body, as a def or as a read-only property.
struct Method {
  enum Kind { None, Def, Property, DefWithEmptyDictDefault };
  Kind kind;
  const pyl::FunctionDef* def;
};

struct ClassDef {
  int line;
  const char* name;
  const char* bases[2];  // looked up by name in the module namespace
  const char* doc;       // a plain string, or nullptr for none
  bool model;            // a concrete model: objects, rutaBaseDatos, nombreTabla
  Fields fields[2];      // the body's fields: its own rows, then any shared ones
  Method methods[3];
};

// The fourteen classes, in the order the module defines them.
extern const ClassDef kClasses[];
extern const size_t kClassCount;

}  // namespace catalogue
