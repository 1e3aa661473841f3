#include "lookup/MascarasConsultas.h"

// The lookup service and its definitions arrive with the lookup windows;
// until then the start-up's calls change nothing.
void ConfigurarServicioConsultas(const std::string& /*gConnString*/, bool /*gUsarMascarasConsultas*/,
                                 const std::string& /*gRutaMascaraConsultas*/) {}

void CrearMascarasConsultas() {}
