// pyx.Quimbra.tablasCatalogo: the equipment catalogue, a model of the
// application's model library for each catalogue table.
#include "builder.h"
#include "declarations.h"
#include "pyl/module.h"

namespace catalogue {

namespace {

const char kDoc[] = "\nCreated on 24 mar 2026\n\nCatalogo de equipos: fabricantes, calderas, bombas de calor,\nventilacion, sistemas hibridos y solar termica.\n";

const pyl::Import kImports[] = {
    {__LINE__, "os", {}, nullptr},
    {__LINE__, "Quimbra.librerias.miDjangoModel_v124.models",
     {"Model", "Manager", "ForeignKey", "CharField", "FloatField", "BooleanField"}, nullptr},
    {__LINE__, "Quimbra.leerDatosFijos", {"rutaBD", "fabricante"}, nullptr},
};

void body(pyl::Module& m) {
  for (const pyl::Import& statement : kImports) pyl::run_import(m, statement);
  for (size_t i = 0; i < kClassCount; ++i) define_class(m, kClasses[i]);
}

const pyl::ModuleDef kModule{"tablasCatalogo", "pyx.Quimbra.tablasCatalogo", "Quimbra\\tablasCatalogo", kDoc, body};

}  // namespace

}  // namespace catalogue

PYL_INIT_FUNCTION(tablasCatalogo) { pyl::initialise(catalogue::kModule); }
