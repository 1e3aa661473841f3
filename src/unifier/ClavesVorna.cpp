#include "unifier/ClavesVorna.h"

#include "services/Configuracion.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"

namespace vorna {

std::string ClaveCarpetaDestino() { return "UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo()); }

ErrorSistema GrabarDato(std::string_view clave, const std::string& valor) {
  return GrabaDfgComprobado(std::string(clave), Variant(valor), "", false, std::string(kGrupoDatos), true);
}

}  // namespace vorna
