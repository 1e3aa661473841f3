#pragma once
// The failure of a query the export could not run, as its error dialog
// shows it: ADO's "object closed" number and a description that says what
// was being read and, when the provider left one, why it failed.
#include <string>

#include "sivlib/ErrorSistema.h"

namespace vorna {

// `que` completes "No se pudo ..." (e.g. "abrir la consulta de VTA").
ErrorSistema ErrorConsulta(const std::string& que);

}  // namespace vorna
