#include "unifier/NombresArchivo.h"

#include "sivlib/Entorno.h"
#include "sivlib/Utiles.h"
#include "unifier/ConstantesVorna.h"

namespace vorna {

std::string NombreArchivoDatos(std::string_view codigoDatos, std::string_view nroPaquete) {
  std::string r(kCodigoLinea);
  r.append("-").append(codigoDatos).append("-").append(nroPaquete).append(kExtensionArchivo);
  return r;
}

std::string CarpetaTemporalDatos() { return CarpetaTemporal(); }

std::string RutaTemporalDatos(std::string_view carpeta, const FechaHora& momento, std::string_view codigoDatos) {
  return ConBarraFinal(carpeta) + momento.Formato(kPatronTemporal) + "-" + std::string(codigoDatos) +
         std::string(kExtensionTemporal);
}

}  // namespace vorna
