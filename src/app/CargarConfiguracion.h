#pragma once
// The system flags: installation settings read once at start from the
// configuration store into run-wide values, so that later code tests a
// variable instead of querying the database. The values this program
// consults live in sivlib/ValoresGlobales.h (gTablaConfiguracion,
// gDecimalesMoneda, gConfidencialidad, gColorFondo, gColorLetra,
// gUtilizarFechaDia); the others below belong to the code base shared with
// the ERP, which reads them at every start.
#include <cstdint>
#include <string>

// Reads every key in its fixed order. A step that fails is skipped and its
// value keeps what it held; nothing is reported.
void CargarConfiguracion(const std::string& carpetaAplicacion);

// "SI" flags.
extern bool gMostrarStockEnConsultas;
extern bool gExigeClaveConsultaLikeArticulos;
extern bool gUsaConsultaLike;
extern bool gUsaMultiplesMonedas;
extern bool gUsaFacturaProforma;
extern bool gUsaCCosto;
extern bool gUsaStkStockUdKg;
extern bool gValidaCodigoBarra;
extern bool gBloqueoActivo;
// "NO" flag.
extern bool gModuloOrdenDeTrabajo;
// Three-state flags.
extern bool gVModificaCPrecio;
extern bool gCModificaCPrecio;
extern bool gMaderera;
extern bool gPideClaveStockNeg;
extern bool gPideClaveMarkUpBase;
extern bool gPideClaveLimiteCredito;
// Texts.
extern std::string gTituloClientes;
extern std::string gTituloProveedores;
extern std::string gUnidadDeMedidaM3;
extern std::string gUnidadDeMedidaBL;
extern std::string gUnidadDeMedidaKG;
extern std::string gMadTiras, gMadP2, gMadML, gMadM2, gMadHojas, gMadMLP2, gMadM2P2, gMadMLM2;
extern std::string gCuentaCtroDist;
extern std::string gTopDefault;
// Numbers.
extern int16_t gPeriodo;
extern int16_t gCondIvaEmpresa;
extern double gMaxDto;
extern double gMaxDtoProforma;
// The user's row and related settings.
extern std::string gUnidadNegocio;
extern bool gRazonSocialPorUnidad;
extern bool gLoteAutomaticoIng;
extern bool gLoteAutomaticoIngOP;
// Documents path: application folder + "PXDOCTareas.prx".
extern std::string gRutaDocumentosTareas;
