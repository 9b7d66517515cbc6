// pyx.Quimbra.panelesComunes.ventanaTituloMedidas: the window in which the
// user names a new set of improvement measures or a new alternative.
#include "dialog.h"
#include "pyl/klass.h"
#include "pyl/module.h"
#include "pyl/ops.h"

namespace ventana {

namespace {

using pyl::Object;

constexpr const char* kDotted = "pyx.Quimbra.panelesComunes.ventanaTituloMedidas";

const pyl::Import kImports[] = {
    {__LINE__, "wx", {}, nullptr},
    {__LINE__, "Quimbra.miWx.miFrame", {"MiFrame"}, nullptr},
    {__LINE__, "Quimbra.miWx.miStaticText", {"MiStaticText"}, nullptr},
    {__LINE__, "Quimbra.miWx.miTextCtrl", {"MiTextCtrl"}, nullptr},
    {__LINE__, "Quimbra.miWx.miBitmapButton", {"MiBitmapButton"}, nullptr},
    {__LINE__, "Quimbra.otrasFunciones", {"OnComprobarNombresConjuntosOAlternativas"}, nullptr},
    {__LINE__, "Quimbra.leerDatosFijos", {"DirectorioImagenes"}, nullptr},
    {__LINE__, "os", {}, nullptr},
    {__LINE__, "Quimbra.variablesGlobales", {}, "vg"},
    {__LINE__, "Quimbra.idiomaComplemento", {"_C"}, nullptr},
    {__LINE__, "Quimbra.modelsNuevos", {"Alternativa"}, nullptr},
    {__LINE__, "datetime", {"datetime"}, nullptr},
    {__LINE__, "Quimbra.funcionesRelacionZelqua", {"cargarAlternativasBorvik", "actualizarPanelesAlternativas"}, nullptr},
};

// class DialogCambioNombreProducto(MiFrame), its methods in this order.
const pyl::FunctionDef* const kMethods[] = {&kInit, &kInitCtrls, &kOnCloseWindow, &kOnAceptar, &kOnCancelar};
constexpr const char* kClassName = "DialogCambioNombreProducto";

void define_dialog(pyl::Module& m) {
  const int line = __LINE__;
  Object base = m.lookup(PYL_NAME("MiFrame"), line);
  Object bases = pyl::tuple({base.get()}, line);
  Object ns = pyl::dict({}, line);
  pyl::set_item(ns.get(), PYL_NAME("__module__"), pyl::bytes(kDotted, line).get(), line);
  for (const pyl::FunctionDef* method : kMethods) {
    Object defaults;
    if (method == &kInit) {
      // conjuntoOAlternativa=None, nombre=u'', esProyecto=False, aplicandoProyecto=False
      defaults = pyl::tuple({Py_None, pyl::text("", line).get(), Py_False, Py_False}, line);
    }
    Object function = pyl::make_function(*method, m.site(), kClassName, defaults.get(), line);
    pyl::set_item(ns.get(), pyl::intern(method->name), function.get(), line);
  }
  Object created = pyl::make_class(kClassName, bases.get(), ns.get(), line);
  m.bind(PYL_NAME("DialogCambioNombreProducto"), created.get(), line);
}

void body(pyl::Module& m) {
  for (const pyl::Import& statement : kImports) pyl::run_import(m, statement);
  define_dialog(m);
}

const pyl::ModuleDef kModule{"ventanaTituloMedidas", kDotted, "Quimbra\\panelesComunes\\ventanaTituloMedidas", nullptr,
                             body};

}  // namespace

}  // namespace ventana

PYL_INIT_FUNCTION(ventanaTituloMedidas) { pyl::initialise(ventana::kModule); }
