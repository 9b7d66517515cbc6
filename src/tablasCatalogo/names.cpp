#include "names.h"

#include "pyl/ops.h"

namespace catalogue {

namespace {

Names make_names() {
  using pyl::intern;
  Names n{};
  n.init = intern("__init__");
  n.diccionarioTablaSqlite = intern("diccionarioTablaSqlite");
  n.id = intern("id");
  n.fabricante = intern("fabricante");
  n.Fabricante = intern("Fabricante");
  n.objects = intern("objects");
  n.get = intern("get");
  n.imagen = intern("imagen");
  n.os = intern("os");
  n.path = intern("path");
  n.basename = intern("basename");
  n.nombre = intern("nombre");
  n.nombreEquipo = intern("nombreEquipo");
  n.esBdCDomestica = intern("esBdCDomestica");
  n.esBdCTerciario = intern("esBdCTerciario");
  n.depositoIntegrado = intern("depositoIntegrado");
  n.controlByPass = intern("controlByPass");
  n.one = intern("1");
  n.display = pyl::text("%s").release();
  return n;
}

}  // namespace

const Names& names() {
  static const Names n = make_names();
  return n;
}

}  // namespace catalogue
