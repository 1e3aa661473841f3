#pragma once
// The lookup service's start-up settings and its definitions file
// ("consultas.prx" in the application folder).
#include <string>

// Hands the shared lookup service its connection string, the switch that
// makes it use the definitions file, and that file's path.
void ConfigurarServicioConsultas(const std::string& gConnString, bool gUsarMascarasConsultas,
                                 const std::string& gRutaMascaraConsultas);

// Appends the default lookup definitions to the definitions file.
void CrearMascarasConsultas();
