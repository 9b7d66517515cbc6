// Accepting, cancelling and closing the window.
#include "dialog.h"
#include "shared.h"
#include "pyl/signature.h"

namespace ventana {

using pyl::Object;
using pyl::attr;
using pyl::call;

namespace {

const pyl::Signature kCloseSignature("OnCloseWindow", {"self", "event"}, false);
const pyl::Signature kAcceptSignature("OnAceptar", {"self", "event"}, false);
const pyl::Signature kCancelSignature("OnCancelar", {"self", "event"}, false);

// a != None, as an `if` takes it.
bool not_none(PyObject* value, int line = PYL_CALLER_LINE) { return pyl::compare(value, Py_None, Py_NE, line); }

// wx.MessageBox(message, _C(u"Aviso")): a modal warning; the window stays open.
void warn(const pyl::Function& fn, PyObject* message, int line = PYL_CALLER_LINE) {
  Object box = wx(fn, PYL_NAME("MessageBox"), line);
  Object caption = translated(fn, PYL_TEXT(u8"Aviso"), line);
  call(box.get(), {message, caption.get()}, {}, line);
}

// o.<a>.<b>...(): each step read now; the result is dropped.
void call_path(PyObject* o, std::initializer_list<PyObject*> path, int line = PYL_CALLER_LINE) {
  Object target = pyl::borrow(o);
  for (PyObject* name : path) target = attr(target.get(), name, line);
  call(target.get(), {}, {}, line);
}

void close_with_none(PyObject* self, int line = PYL_CALLER_LINE) {
  pyl::call_method(self, PYL_NAME("OnCloseWindow"), {Py_None}, {}, line);
}

// A warning for each refusal, as handed to _C.
const char kEmptyAlternative[] = u8"Indique un nombre para la alternativa";
const char kEmptySet[] = u8"Indique un nombre para el conjunto de medidas de mejora";
const char kTakenSet[] =
    u8"Revise el nombre del conjunto de mejoras definido ya que ya existe un conjunto de medidas de mejora con el mismo nombre";
const char kTakenAlternative[] =
    u8"Revise el nombre de la alternativa definida ya que ya existe una alternativa con el mismo nombre";

// self.<attribute> == <value>, as an `if` takes it.
bool attribute_equals(PyObject* self, PyObject* attribute, PyObject* value, int line = PYL_CALLER_LINE) {
  Object current = attr(self, attribute, line);
  return pyl::compare(current.get(), value, Py_EQ, line);
}

// vg.alternativa.<method>()
void on_alternative(const pyl::Function& fn, PyObject* method, int line = PYL_CALLER_LINE) {
  call_path(global(fn, PYL_NAME("vg"), line).get(), {PYL_NAME("alternativa"), method}, line);
}

// What follows a new alternative, chosen by how the window was opened.
void follow_up(const pyl::Function& fn, PyObject* self) {
  if (!pyl::truth(attr(self, PYL_NAME("esProyecto")).get())) {
    call_path(self, {PYL_NAME("parent"), PYL_NAME("cargarWizardConjuntoOAlternativa")});
  } else if (attribute_equals(self, PYL_NAME("esProyecto"), Py_True) &&
             attribute_equals(self, PYL_NAME("aplicandoProyecto"), Py_True)) {
    on_alternative(fn, PYL_NAME("crearAlternativaDesdeCasoBase"));
    on_alternative(fn, PYL_NAME("calculoCalificacion"));
    call_path(global(fn, PYL_NAME("vg")).get(), {PYL_NAME("alternativaCopia"), PYL_NAME("aplicarACasoBase")});
    call(global(fn, PYL_NAME("actualizarPanelesAlternativas")).get());
    call(global(fn, PYL_NAME("cargarAlternativasBorvik")).get());
    try {
      // Not every opening window can close its screen; whatever goes wrong
      // here is of no consequence to the new alternative.
      call_path(self, {PYL_NAME("parent"), PYL_NAME("funcionCerrarPantalla")});
    } catch (const pyl::PyError&) {
      PyErr_Clear();
    }
    pyl::set_attr(global(fn, PYL_NAME("vg")).get(), PYL_NAME("alternativaCopia"), Py_None);
  } else if (attribute_equals(self, PYL_NAME("esProyecto"), Py_True) &&
             attribute_equals(self, PYL_NAME("aplicandoProyecto"), Py_False)) {
    on_alternative(fn, PYL_NAME("crearAlternativaDesdeCasoBase"));
    on_alternative(fn, PYL_NAME("calculoCalificacion"));
    call_path(self, {PYL_NAME("parent"), PYL_NAME("panelCuerpo"), PYL_NAME("OnCargarListadoAlternativas")});
  }
}

Object on_aceptar(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kAcceptSignature.bind(fn, args, kw);
  PyObject* self = a[0];

  // The name as typed: what is checked and assigned.
  Object box = attr(self, PYL_NAME("nombreCuadro"));
  Object get_value = attr(box.get(), PYL_NAME("GetValue"));
  Object nombreCuadro = call(get_value.get());

  // The box's own validation, with the message it is to give.
  box = attr(self, PYL_NAME("nombreCuadro"));
  get_value = attr(box.get(), PYL_NAME("GetValue"));
  Object message = alternative_mode(fn) ? translated(fn, PYL_TEXT(kEmptyAlternative))
                                        : translated(fn, PYL_TEXT(kEmptySet));
  Object aux = call(get_value.get(), {}, {{PYL_NAME("mensajeError"), message.get()}});
  box = attr(self, PYL_NAME("nombreCuadro"));
  if (not_none(attr(box.get(), PYL_NAME("mensajeError")).get())) {
    warn(fn, aux.get());
    return pyl::none();
  }

  Object check = global(fn, PYL_NAME("OnComprobarNombresConjuntosOAlternativas"));
  Object listado = attr(self, PYL_NAME("listadoObjetos"));
  aux = call(check.get(), {listado.get(), nombreCuadro.get()});

  if (!alternative_mode(fn)) {
    Object set = attr(self, PYL_NAME("conjuntoOAlternativa"));
    Object current = attr(set.get(), PYL_NAME("nombre"));
    if (pyl::compare(nombreCuadro.get(), current.get(), Py_NE)) {
      if (not_none(aux.get())) {
        warn(fn, translated(fn, PYL_TEXT(kTakenSet)).get());
        return pyl::none();
      }
      pyl::set_attr(attr(self, PYL_NAME("conjuntoOAlternativa")).get(), PYL_NAME("nombre"), nombreCuadro.get());
      close_with_none(self);
      call_path(self, {PYL_NAME("parent"), PYL_NAME("cargarWizardConjuntoOAlternativa")});
    } else {
      // The set keeps its own name, even if the check counts it as taken.
      close_with_none(self);
    }
    return pyl::none();
  }

  if (not_none(aux.get())) {
    if (alternative_mode(fn)) warn(fn, translated(fn, PYL_TEXT(kTakenAlternative)).get());
    return pyl::none();
  }
  Object alternativa_class = global(fn, PYL_NAME("Alternativa"));
  Object alternativa = call(alternativa_class.get());
  pyl::set_attr(global(fn, PYL_NAME("vg")).get(), PYL_NAME("alternativa"), alternativa.get());
  {
    Object proyecto = attr(global(fn, PYL_NAME("vg")).get(), PYL_NAME("proyecto"));
    Object target = attr(global(fn, PYL_NAME("vg")).get(), PYL_NAME("alternativa"));
    pyl::set_attr(target.get(), PYL_NAME("proyecto"), proyecto.get());
  }
  {
    Object target = attr(global(fn, PYL_NAME("vg")).get(), PYL_NAME("alternativa"));
    pyl::set_attr(target.get(), PYL_NAME("nombre"), nombreCuadro.get());
  }
  close_with_none(self);
  follow_up(fn, self);
  return pyl::none();
}

Object on_close_window(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kCloseSignature.bind(fn, args, kw);
  PyObject* self = a[0];
  pyl::call_method(self, PYL_NAME("MakeModal"), {Py_False});
  pyl::call_method(self, PYL_NAME("Destroy"));
  Object parent = attr(self, PYL_NAME("parent"));
  pyl::call_method(parent.get(), PYL_NAME("MakeModal"), {Py_True});
  return pyl::none();
}

Object on_cancelar(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kCancelSignature.bind(fn, args, kw);
  close_with_none(a[0]);
  return pyl::none();
}

}  // namespace

const pyl::FunctionDef kOnCloseWindow{"OnCloseWindow", on_close_window};
const pyl::FunctionDef kOnAceptar{"OnAceptar", on_aceptar};
const pyl::FunctionDef kOnCancelar{"OnCancelar", on_cancelar};

}  // namespace ventana
