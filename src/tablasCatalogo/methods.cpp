#include "methods.h"

#include "pyl/ops.h"
#include "pyl/signature.h"

namespace catalogue {

using pyl::Object;

namespace {

const pyl::Signature kInitSignature("__init__", {"self"}, true);           // (self, **kwargs)
const pyl::Signature kVersionSignature("__init__", {"self", "args"}, true);  // (self, args={}, **kwargs)
const pyl::Signature kUnicodeSignature("__unicode__", {"self"}, false);
const pyl::Signature kGetterSignature("diccionarioTablaSqlite", {"self"}, false);

PyObject* type_object(PyTypeObject& type) { return reinterpret_cast<PyObject*>(&type); }

// super(<own class>, self), the class looked up by its name now, as the
// method's source names it.
Object super_of(const pyl::Function& fn, PyObject* self, int line = PYL_CALLER_LINE) {
  Object own = pyl::global(fn.globals, fn.owner, line);
  return pyl::call(type_object(PySuper_Type), {own.get(), self}, {}, line);
}

// super(<own class>, self).__init__(**kwargs); the result is dropped.
void base_init(const pyl::Function& fn, PyObject* self, PyObject* kwargs, int line = PYL_CALLER_LINE) {
  Object init = pyl::attr(super_of(fn, self, line).get(), PYL_NAME("__init__"), line);
  pyl::call_with(init.get(), nullptr, kwargs, line);
}

// kwargs["fabricante"] = Fabricante.objects.get(id=int(kwargs["fabricante"]))
// when the value is true; a false value stays as it is.
void resolve_manufacturer(const pyl::Function& fn, PyObject* kwargs) {
  Object given = pyl::borrow(PyDict_GetItem(kwargs, PYL_NAME("fabricante")));
  if (!given || !pyl::truth(given.get())) return;
  Object id = PyInt_CheckExact(given.get()) ? given : pyl::call(type_object(PyInt_Type), {given.get()});
  Object manager = pyl::attr(pyl::global(fn.globals, PYL_NAME("Fabricante")).get(), PYL_NAME("objects"));
  Object manufacturer = pyl::call_method(manager.get(), PYL_NAME("get"), {}, {{PYL_NAME("id"), id.get()}});
  pyl::set_item(kwargs, PYL_NAME("fabricante"), manufacturer.get());
}

// A heat pump's flags arrive as stored text or as booleans: "1" or True
// is True, anything else False. Every flag must be given.
void convert_heat_pump_flags(PyObject* kwargs) {
  for (PyObject* key : {PYL_NAME("esBdCDomestica"), PYL_NAME("esBdCTerciario"), PYL_NAME("depositoIntegrado")}) {
    Object value = pyl::item(kwargs, key);
    bool on = pyl::compare(value.get(), PYL_NAME("1"), Py_EQ) || pyl::compare(value.get(), Py_True, Py_EQ);
    pyl::set_item(kwargs, key, pyl::boolean(on).get());
  }
}

// A ventilation unit's by-pass flag is True only when it reads "1".
void convert_ventilation_flag(PyObject* kwargs) {
  Object value = pyl::item(kwargs, PYL_NAME("controlByPass"));
  bool on = pyl::compare(value.get(), PYL_NAME("1"), Py_EQ);
  pyl::set_item(kwargs, PYL_NAME("controlByPass"), pyl::boolean(on).get());
}

using Conversion = void (*)(PyObject* kwargs);

Object equipment_init(const pyl::Function& fn, PyObject* args, PyObject* kw, Conversion convert) {
  pyl::Arguments a = kInitSignature.bind(fn, args, kw);
  PyObject* kwargs = a.kwargs.get();
  if (PyDict_Size(kwargs)) {
    resolve_manufacturer(fn, kwargs);
    if (convert) convert(kwargs);
  }
  base_init(fn, a[0], kwargs);
  return pyl::none();
}

Object equipo_init(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  return equipment_init(fn, args, kw, nullptr);
}

Object bdc_init(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  return equipment_init(fn, args, kw, convert_heat_pump_flags);
}

Object ventilacion_init(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  return equipment_init(fn, args, kw, convert_ventilation_flag);
}

Object fabricante_init(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kInitSignature.bind(fn, args, kw);
  PyObject* kwargs = a.kwargs.get();
  if (PyDict_Size(kwargs) && pyl::check_status(PyDict_Contains(kwargs, PYL_NAME("imagen")))) {
    Object os_path = pyl::attr(pyl::global(fn.globals, PYL_NAME("os")).get(), PYL_NAME("path"));
    Object basename = pyl::attr(os_path.get(), PYL_NAME("basename"));
    Object reduced = pyl::call(basename.get(), {pyl::item(kwargs, PYL_NAME("imagen")).get()});
    pyl::set_item(kwargs, PYL_NAME("imagen"), reduced.get());
  }
  base_init(fn, a[0], kwargs);
  return pyl::none();
}

Object version_init(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kVersionSignature.bind(fn, args, kw);
  Object chosen = a.kwargs;
  if (pyl::truth(a[1])) {
    // The mapping is the caller's: the callee gets a dict of its own.
    chosen = PyDict_Check(a[1]) ? pyl::check(PyDict_Copy(a[1]))
                                : pyl::call(type_object(PyDict_Type), {a[1]});
  }
  base_init(fn, a[0], chosen.get());
  return pyl::none();
}

// u"%s" % self.<attribute>
Object display(const pyl::Function& fn, PyObject* args, PyObject* kw, PyObject* attribute) {
  pyl::Arguments a = kUnicodeSignature.bind(fn, args, kw);
  Object value = pyl::attr(a[0], attribute);
  return pyl::remainder(PYL_TEXT("%s"), value.get());
}

Object fabricante_unicode(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  return display(fn, args, kw, PYL_NAME("nombre"));
}

Object equipo_unicode(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  return display(fn, args, kw, PYL_NAME("nombreEquipo"));
}

// The library's row for this instance, with the instance's id set on it.
Object row_with_id(const pyl::Function& fn, PyObject* self, int line = PYL_CALLER_LINE) {
  Object diccionario = pyl::attr(super_of(fn, self, line).get(), PYL_NAME("diccionarioTablaSqlite"), line);
  pyl::set_item(diccionario.get(), PYL_NAME("id"), pyl::attr(self, PYL_NAME("id"), line).get(), line);
  return diccionario;
}

Object fabricante_diccionario(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kGetterSignature.bind(fn, args, kw);
  return row_with_id(fn, a[0]);
}

Object equipo_diccionario(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kGetterSignature.bind(fn, args, kw);
  Object diccionario = row_with_id(fn, a[0]);
  Object manufacturer = pyl::attr(a[0], PYL_NAME("fabricante"));
  pyl::set_item(diccionario.get(), PYL_NAME("fabricante"), pyl::attr(manufacturer.get(), PYL_NAME("id")).get());
  return diccionario;
}

}  // namespace

const pyl::FunctionDef kVersionInit{"__init__", version_init};
const pyl::FunctionDef kFabricanteInit{"__init__", fabricante_init};
const pyl::FunctionDef kFabricanteUnicode{"__unicode__", fabricante_unicode};
const pyl::FunctionDef kFabricanteDiccionario{"diccionarioTablaSqlite", fabricante_diccionario};
const pyl::FunctionDef kEquipoInit{"__init__", equipo_init};
const pyl::FunctionDef kBdcInit{"__init__", bdc_init};
const pyl::FunctionDef kVentilacionInit{"__init__", ventilacion_init};
const pyl::FunctionDef kEquipoUnicode{"__unicode__", equipo_unicode};
const pyl::FunctionDef kEquipoDiccionario{"diccionarioTablaSqlite", equipo_diccionario};

}  // namespace catalogue
