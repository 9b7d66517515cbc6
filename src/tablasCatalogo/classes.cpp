// The catalogue's classes, declared as data. Each table lists a class body's
// fields in declaration order, with their arguments in the order written;
// tr(...) is a text passed through the translation function `_` when the
// body runs, text(...) a unicode literal used as it stands.
#include "declarations.h"
#include "methods.h"

namespace catalogue {

namespace {

const Field kVersionActual[] = {
    {__LINE__, "version", FloatField, {}},
    {__LINE__, "descripcion", CharField, {max_length(500), default_(bytes("")), verbose_name(text(u8"Descripcion"))}},
};

const Field kFabricante[] = {
    {__LINE__, "nombre", CharField, {max_length(500), default_(bytes("")), verbose_name(text(u8"Nombre"))}},
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del fabricante"))}},
};

const Field kEquipo[] = {
    {__LINE__, "fabricante", ForeignKey, {positional(class_named("Fabricante")), verbose_name(tr(u8"Fabricante")), related_name(bytes("%(class)s"))}},
    {__LINE__, "nombreEquipo", CharField, {max_length(500), verbose_name(tr(u8"Nombre del equipo"))}},
    {__LINE__, "modelo", CharField, {max_length(500), verbose_name(tr(u8"Modelo del equipo"))}},
    {__LINE__, "codigoAS400", CharField, {max_length(500), verbose_name(tr(u8"Codigo AS400 del equipo"))}},
    {__LINE__, "descripcion", CharField, {max_length(1000), verbose_name(tr(u8"Descripción del equipo"))}},
    {__LINE__, "descripcionBreve", CharField, {max_length(1000), verbose_name(tr(u8"Descripción breve del equipo"))}},
    {__LINE__, "descripcionUsuarioFinal", CharField, {max_length(1000), verbose_name(tr(u8"Descripción usuario final del equipo"))}},
    {__LINE__, "descripcionGamaProducto", CharField, {max_length(1000), verbose_name(tr(u8"Descripción gama producto del equipo"))}},
    {__LINE__, "descripcionCatalan", CharField, {max_length(1000), verbose_name(tr(u8"Descripción del equipo en catalán"))}},
    {__LINE__, "descripcionBreveCatalan", CharField, {max_length(1000), verbose_name(tr(u8"Descripción breve del equipo en catalán"))}},
    {__LINE__, "descripcionUsuarioFinalCatalan", CharField, {max_length(1000), verbose_name(tr(u8"Descripción usuario final del equipo en catalán"))}},
    {__LINE__, "descripcionGamaProductoCatalan", CharField, {max_length(1000), verbose_name(tr(u8"Descripción gama producto del equipo en catalán"))}},
    {__LINE__, "fichaTecnica", CharField, {max_length(1000), verbose_name(tr(u8"Enlace ficha técnica"))}},
    {__LINE__, "fichaHomologacion", CharField, {max_length(1000), verbose_name(tr(u8"Enlace ficha homologación"))}},
    {__LINE__, "precio", FloatField, {verbose_name(tr(u8"Precio (€)"))}},
    {__LINE__, "orden", FloatField, {verbose_name(tr(u8"Orden"))}},
};

const Field kCaldera[] = {
    {__LINE__, "potencia", FloatField, {verbose_name(tr(u8"Potencia kW"))}},
    {__LINE__, "rendimientoCalefaccionPCS", FloatField, {verbose_name(tr(u8"Efi.Est. Cale (PCS) Î·s (%)"))}},
    {__LINE__, "rendimiento30_5030CalefaccionPCI", FloatField, {verbose_name(tr(u8"Efi. Cale 30% 50-30º (PCI) Î· (%)"))}},
    {__LINE__, "rendimiento100_5030CalefaccionPCI", FloatField, {verbose_name(tr(u8"Efi. Cale 100% 50-30º  (PCI) Î· (%)"))}},
    {__LINE__, "rendimiento30_8060CalefaccionPCI", FloatField, {verbose_name(tr(u8"Efi. Cale 30% 80-60º  (PCI)Î· (%)"))}},
    {__LINE__, "rendimiento100_8060CalefaccionPCI", FloatField, {verbose_name(tr(u8"Efi. Cale 100% 80-60º  (PCI) (%)"))}},
    {__LINE__, "rendimientoACS", FloatField, {verbose_name(tr(u8"Efi.Est. ACS (PCS) (%)"))}},
    {__LINE__, "tipoCaldera", CharField, {max_length(50), verbose_name(tr(u8"Tipo caldera: calefaccion, acumulacion, mixtaInstantanea")), default_(tr(u8"calefaccion"))}},
    {__LINE__, "servicioCubierto", CharField, {max_length(50), verbose_name(tr(u8"Servicio cubierto")), default_(tr(u8"soloCalefaccion"))}},
};

// The boilers' own field; the three boiler models differ only in name.
const Field kCalderaModelo[] = {
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del equipo"))}},
};

const Field kBdc[] = {
    {__LINE__, "potenciaCal", FloatField, {verbose_name(tr(u8"Potencia calefacción  (kW) (Taire=7°C, Tagua=45°C)"))}},
    {__LINE__, "potenciaRef", FloatField, {verbose_name(tr(u8"Potencia refrigeración (kW)   (Taire=7°C, Tagua=35°C)"))}},
    {__LINE__, "eer_3518", FloatField, {verbose_name(tr(u8"EER (35/18º)"))}},
    {__LINE__, "eer_357", FloatField, {verbose_name(tr(u8"EER (35/7º)"))}},
    {__LINE__, "cop_35", FloatField, {verbose_name(tr(u8"COP (35º)"))}},
    {__LINE__, "cop_45", FloatField, {verbose_name(tr(u8"COP (45º)"))}},
    {__LINE__, "copACS_55", FloatField, {verbose_name(tr(u8"COP (55º)"))}},
    {__LINE__, "depositoIntegrado", BooleanField, {verbose_name(tr(u8"Deposito integrado")), default_(no)}},
    {__LINE__, "esBdCDomestica", BooleanField, {verbose_name(tr(u8"BDC domestica")), default_(no)}},
    {__LINE__, "esBdCTerciario", BooleanField, {verbose_name(tr(u8"BDC terciario")), default_(no)}},
    {__LINE__, "esTrifasica", CharField, {max_length(50), verbose_name(tr(u8"Tension: monofasico, trifasico")), default_(tr(u8"mono"))}},
    {__LINE__, "unidadExterior", CharField, {max_length(50), verbose_name(tr(u8"Condensada por")), default_(tr(u8"aire"))}},
};

// The rated values and six-value series of heat pumps, which the hybrid
// systems declare again (they do not derive from Bdc): the last fields of
// both.
const Field kSeriesNominales[] = {
    {__LINE__, "ratedCapacity", FloatField, {verbose_name(tr(u8"ratedCapacity")), default_(zero)}},
    {__LINE__, "listadoCapacidadCalor", CharField, {max_length(500), verbose_name(tr(u8"listadoCapacidadCalor")), default_(six_zeros)}},
    {__LINE__, "ratedCOP", FloatField, {verbose_name(tr(u8"ratedCOP")), default_(zero)}},
    {__LINE__, "listadoCOP", CharField, {max_length(500), verbose_name(tr(u8"listadoCOP")), default_(six_zeros)}},
    {__LINE__, "potenciaFrio", FloatField, {verbose_name(tr(u8"potenciaFrio")), default_(zero)}},
    {__LINE__, "listadoCapacidadFrio", CharField, {max_length(500), verbose_name(tr(u8"listadoCapacidadFrio")), default_(six_zeros)}},
    {__LINE__, "ratedEER", FloatField, {verbose_name(tr(u8"ratedEER")), default_(zero)}},
    {__LINE__, "listadoEER", CharField, {max_length(500), verbose_name(tr(u8"listadoEER")), default_(six_zeros)}},
    {__LINE__, "listadoCargaParcialCalor", CharField, {max_length(500), verbose_name(tr(u8"listadoCargaParcialCalor")), default_(six_zeros)}},
    // The label repeats that of listadoCapacidadFrio, as the stored catalogues have it.
    {__LINE__, "listadoCargaParcialFrio", CharField, {max_length(500), verbose_name(tr(u8"listadoCapacidadFrio")), default_(six_zeros)}},
};

const Field kBombaDeCalor[] = {
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del equipo"))}},
    {__LINE__, "unidadInterior", CharField, {verbose_name(tr(u8"Evaporada por ")), max_length(50), default_(tr(u8"aire"))}},
    {__LINE__, "servicioCubierto", CharField, {max_length(50), verbose_name(tr(u8"Servicio cubierto")), default_(tr(u8"clima"))}},
};

const Field kAerotermia[] = {
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del equipo"))}},
    {__LINE__, "servicioCubierto", CharField, {max_length(50), verbose_name(tr(u8"Servicio cubierto")), default_(tr(u8"mixto3"))}},
};

const Field kAerotermiaACS[] = {
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del equipo"))}},
    {__LINE__, "volumen", FloatField, {verbose_name(tr(u8"Volumen"))}},
    {__LINE__, "uA", FloatField, {verbose_name(tr(u8"uA"))}},
    {__LINE__, "scopDhw", FloatField, {verbose_name(tr(u8"scopDhw"))}},
    {__LINE__, "servicioCubierto", CharField, {max_length(50), verbose_name(tr(u8"Servicio cubierto")), default_(tr(u8"soloACS"))}},
};

const Field kVentilacion[] = {
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del equipo"))}},
    {__LINE__, "tipoServicio", CharField, {max_length(50), verbose_name(tr(u8"Subcategoria")), default_(tr(u8"Residencial"))}},
    {__LINE__, "caudalNominal", FloatField, {verbose_name(tr(u8"Caudal nominal (m3/h)"))}},
    {__LINE__, "caudalMaximo", FloatField, {verbose_name(tr(u8"Caudal máximo (m3/h)"))}},
    {__LINE__, "rendNominal", FloatField, {verbose_name(tr(u8"Rendimiento nominal (%)"))}},
    {__LINE__, "potencia", FloatField, {verbose_name(tr(u8"potencia ventilador (W)"))}},
    {__LINE__, "potenciaSFI", FloatField, {verbose_name(tr(u8"Potencia especifica(SFI)W/m3h"))}},
    {__LINE__, "controlByPass", BooleanField, {verbose_name(tr(u8"Control de by-Pass (kWh/24h)")), default_(no)}},
};

const Field kSistemaHibrido[] = {
    {__LINE__, "caldera_potencia", FloatField, {verbose_name(tr(u8"Caldera potencia Prated Pnom (kW)"))}},
    {__LINE__, "caldera_rendimientoEstacionalCalefaccionPCS", FloatField, {verbose_name(tr(u8"Caldera Efi.Est. Cale (%)"))}},
    {__LINE__, "caldera_rendimientoEstacionalACSPCS", FloatField, {verbose_name(tr(u8"Caldera Efi.Est. ACS (%)"))}},
    {__LINE__, "caldera_rendimiento_30_5030CalefaccionPCI", FloatField, {verbose_name(tr(u8"Caldera Efi. Cale 30% 50-30º (%)"))}},
    {__LINE__, "caldera_rendimiento_100_5030CalefaccionPCI", FloatField, {verbose_name(tr(u8"Caldera Efi. Cale 100% 50-30º (%)"))}},
    {__LINE__, "caldera_rendimiento_30_8060CalefaccionPCI", FloatField, {verbose_name(tr(u8"Caldera Efi. Cale 30% 80-60º (%)"))}},
    {__LINE__, "caldera_rendimiento_100_8060CalefaccionPCI", FloatField, {verbose_name(tr(u8"Caldera Efi. Cale 100% 80-60º (%)"))}},
    {__LINE__, "bdc_potencia", FloatField, {verbose_name(tr(u8"BDC Potencia nominal (kW)"))}},
    {__LINE__, "bdc_eer", FloatField, {verbose_name(tr(u8"BDC EER"))}},
    {__LINE__, "bdc_cop", FloatField, {verbose_name(tr(u8"BDC COP"))}},
    {__LINE__, "bdc_copACS", FloatField, {verbose_name(tr(u8"BDC COP ACS"))}},
    {__LINE__, "rendimientoTotalCalefaccion", FloatField, {verbose_name(tr(u8"Conjunto Efi.Est. Cale (%)"))}},
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del equipo"))}},
    {__LINE__, "porcentajeACS_BDC", FloatField, {verbose_name(tr(u8"porcentajeACS_BDC"))}},
    {__LINE__, "servicioCubierto", CharField, {max_length(50), verbose_name(tr(u8"Servicio cubierto")), default_(tr(u8"mixto3"))}},
};

const Field kSolarTermica[] = {
    {__LINE__, "areaUtilSolar", FloatField, {verbose_name(tr(u8"Superficie captador (m2)"))}},
    {__LINE__, "coeficienteA1", FloatField, {verbose_name(tr(u8"Coeficiente a1"))}},
    {__LINE__, "coeficienteA2", FloatField, {verbose_name(tr(u8"Coeficiente a2"))}},
    {__LINE__, "rendimientoOptico", FloatField, {verbose_name(tr(u8"Rendmiento (%)"))}},
    {__LINE__, "iam", FloatField, {verbose_name(tr(u8"IAM (50°)"))}},
    {__LINE__, "volumenAcumulacion", FloatField, {verbose_name(tr(u8"Volumen nominal Vnom (litros)"))}},
    {__LINE__, "perdidas24h", FloatField, {verbose_name(tr(u8"Pérdidas 24h (kWh/24h)"))}},
    {__LINE__, "clase", FloatField, {verbose_name(tr(u8"Clase - Rating"))}},
    {__LINE__, "imagen", CharField, {max_length(5000), default_(bytes("")), verbose_name(text(u8"Imagen del equipo"))}},
};

constexpr Method def(const pyl::FunctionDef& f) { return {Method::Def, &f}; }
constexpr Method property(const pyl::FunctionDef& f) { return {Method::Property, &f}; }
constexpr Method def_with_empty_dict_default(const pyl::FunctionDef& f) { return {Method::DefWithEmptyDictDefault, &f}; }

#define EQUIPMENT_METHODS(init) {def(init), def(kEquipoUnicode), property(kEquipoDiccionario)}

}  // namespace

const ClassDef kClasses[] = {
    {__LINE__, "VersionActual", {"Model"}, nullptr, true, {fields(kVersionActual)}, {def_with_empty_dict_default(kVersionInit)}},
    {__LINE__, "Fabricante", {"Model"}, "\n    Fabricante\n    ", true, {fields(kFabricante)},
     {def(kFabricanteUnicode), def(kFabricanteInit), property(kFabricanteDiccionario)}},
    {__LINE__, "Equipo", {"object"}, nullptr, false, {fields(kEquipo)}, {}},
    {__LINE__, "Caldera", {"Equipo"}, "\n    Caldera\n    ", false, {fields(kCaldera)}, {}},
    {__LINE__, "CalderaGasNatural", {"Caldera", "Model"}, nullptr, true, {fields(kCalderaModelo)}, EQUIPMENT_METHODS(kEquipoInit)},
    {__LINE__, "CalderaBiomasa", {"Caldera", "Model"}, nullptr, true, {fields(kCalderaModelo)}, EQUIPMENT_METHODS(kEquipoInit)},
    {__LINE__, "CalderaGasoil", {"Caldera", "Model"}, nullptr, true, {fields(kCalderaModelo)}, EQUIPMENT_METHODS(kEquipoInit)},
    {__LINE__, "Bdc", {"Equipo"}, "\n    Bdc\n    ", false, {fields(kBdc), fields(kSeriesNominales)}, {}},
    {__LINE__, "BombaDeCalor", {"Bdc", "Model"}, nullptr, true, {fields(kBombaDeCalor)}, EQUIPMENT_METHODS(kBdcInit)},
    {__LINE__, "Aerotermia", {"Bdc", "Model"}, nullptr, true, {fields(kAerotermia)}, EQUIPMENT_METHODS(kBdcInit)},
    {__LINE__, "AerotermiaACS", {"Bdc", "Model"}, nullptr, true, {fields(kAerotermiaACS)}, EQUIPMENT_METHODS(kBdcInit)},
    {__LINE__, "Ventilacion", {"Model", "Equipo"}, nullptr, true, {fields(kVentilacion)}, EQUIPMENT_METHODS(kVentilacionInit)},
    {__LINE__, "SistemaHibrido", {"Model", "Equipo"}, nullptr, true, {fields(kSistemaHibrido), fields(kSeriesNominales)}, EQUIPMENT_METHODS(kEquipoInit)},
    {__LINE__, "SolarTermica", {"Model", "Equipo"}, nullptr, true, {fields(kSolarTermica)}, EQUIPMENT_METHODS(kEquipoInit)},
};

const size_t kClassCount = sizeof(kClasses) / sizeof(kClasses[0]);

}  // namespace catalogue
