#pragma once
// The unifier's settings in the configuration table (TA_CONFIGURACION):
// the destination folder of each workstation and the package counter.
// Both are written with group "DATOS", no auxiliary value, not a business
// policy, the value trimmed.
#include <string>
#include <string_view>

#include "sivlib/ErrorSistema.h"

namespace vorna {

// Number of the last package written.
inline constexpr std::string_view kClavePaquete = "NRO_PAQUETE";
inline constexpr std::string_view kGrupoDatos = "DATOS";

// "UNIFICADOR_VORNA" + "_" + the computer name in capitals: every
// workstation keeps its own destination folder in the shared database.
std::string ClaveCarpetaDestino();

// Stores a unifier setting with the options above; number 0 when the
// table holds the value afterwards, otherwise why it does not.
ErrorSistema GrabarDato(std::string_view clave, const std::string& valor);

}  // namespace vorna
