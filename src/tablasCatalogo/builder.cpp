#include "builder.h"

#include "pyl/klass.h"
#include "pyl/ops.h"

namespace catalogue {

using pyl::Object;
using pyl::intern;

namespace {

constexpr const char* kModuleName = "pyx.Quimbra.tablasCatalogo";

Object six_zeros_list(int line) {
  Object zero = pyl::real(0.0, line);
  PyObject* z = zero.get();
  return pyl::list({z, z, z, z, z, z}, line);
}

// The value of a literal of the class body, evaluated when the row runs.
Object evaluate(const pyl::Module& m, const Value& v, int line) {
  switch (v.type) {
    case Value::Number: return pyl::integer(v.n, line);
    case Value::Real: return pyl::real(0.0, line);
    case Value::False: return pyl::boolean(false);
    case Value::Bytes: return pyl::bytes(v.s, line);
    case Value::Text: return pyl::text(v.s, line);
    case Value::Translated: {
      Object translate = m.lookup(intern("_"), line);
      Object literal = pyl::text(v.s, line);
      return pyl::call(translate.get(), {literal.get()}, {}, line);
    }
    case Value::SixZeros: return six_zeros_list(line);
    case Value::ClassNamed: return m.lookup(intern(v.s), line);
    case Value::Nothing: break;
  }
  return pyl::none();
}

// <name> = <kind>(<positional...>, <keyword>=<value>...)
Object declare(const pyl::Module& m, const Field& field) {
  const int line = field.line;
  Object kind = m.lookup(intern(field.kind), line);
  Object positional = pyl::borrow(pyl::empty_tuple());
  Object keywords;
  for (const Arg& arg : field.args) {
    if (arg.value.type == Value::Nothing) break;
    Object value = evaluate(m, arg.value, line);
    if (!arg.keyword) {
      positional = pyl::tuple({value.get()}, line);
      continue;
    }
    if (!keywords) keywords = pyl::dict({}, line);
    pyl::set_item(keywords.get(), intern(arg.keyword), value.get(), line);
  }
  return pyl::call_with(kind.get(), positional.get(), keywords.get(), line);
}

Object bases_of(const pyl::Module& m, const ClassDef& cls) {
  PyObject* found[2] = {nullptr, nullptr};
  Object held[2];
  size_t count = 0;
  for (const char* base : cls.bases) {
    if (!base) break;
    held[count] = m.lookup(intern(base), cls.line);
    found[count] = held[count].get();
    ++count;
  }
  return count == 1 ? pyl::tuple({found[0]}, cls.line) : pyl::tuple({found[0], found[1]}, cls.line);
}

// u"{nombreModulo}_{nombreClase}".format(nombreModulo=fabricante, nombreClase="<class>")
Object table_name(const pyl::Module& m, const ClassDef& cls) {
  const int line = cls.line;
  Object pattern = pyl::text("{nombreModulo}_{nombreClase}", line);
  Object prefix = m.lookup(intern("fabricante"), line);
  Object class_name = pyl::bytes(cls.name, line);
  return pyl::call_method(pattern.get(), intern("format"), {},
                          {{intern("nombreModulo"), prefix.get()}, {intern("nombreClase"), class_name.get()}}, line);
}

Object method_object(const pyl::Module& m, const ClassDef& cls, const Method& method) {
  const int line = cls.line;
  switch (method.kind) {
    case Method::Property: return pyl::make_property(*method.def, m.site(), cls.name, line);
    case Method::DefWithEmptyDictDefault: {
      // One dict, made with the class and shared by every call.
      Object shared = pyl::dict({}, line);
      Object defaults = pyl::tuple({shared.get()}, line);
      return pyl::make_function(*method.def, m.site(), cls.name, defaults.get(), line);
    }
    case Method::Def: return pyl::make_function(*method.def, m.site(), cls.name, nullptr, line);
    case Method::None: break;
  }
  return Object();
}

}  // namespace

void define_class(pyl::Module& m, const ClassDef& cls) {
  const int line = cls.line;
  Object bases = bases_of(m, cls);
  Object body = pyl::dict({}, line);
  PyObject* ns = body.get();
  pyl::set_item(ns, intern("__module__"), pyl::bytes(kModuleName, line).get(), line);
  if (cls.doc) pyl::set_item(ns, intern("__doc__"), pyl::bytes(cls.doc, line).get(), line);

  if (cls.model) {
    Object manager = m.lookup(intern("Manager"), line);
    pyl::set_item(ns, intern("objects"), pyl::call(manager.get(), {}, {}, line).get(), line);
  }
  for (const Fields& rows : cls.fields) {
    for (size_t i = 0; i < rows.count; ++i) {
      const Field& field = rows.rows[i];
      pyl::set_item(ns, intern(field.name), declare(m, field).get(), field.line);
    }
  }
  if (cls.model) {
    pyl::set_item(ns, intern("rutaBaseDatos"), m.lookup(intern("rutaBD"), line).get(), line);
    pyl::set_item(ns, intern("nombreTabla"), table_name(m, cls).get(), line);
  }
  for (const Method& method : cls.methods) {
    if (method.kind == Method::None) break;
    pyl::set_item(ns, intern(method.def->name), method_object(m, cls, method).get(), line);
  }
  Object created = pyl::make_class(cls.name, bases.get(), ns, line);
  m.bind(intern(cls.name), created.get(), line);
}

}  // namespace catalogue
