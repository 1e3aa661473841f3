#include "provisioning/CarpetaTemp.h"

#include <cstdlib>

#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

std::string CarpetaTemp() {
  const char* temp = std::getenv("TEMP");
  const std::string carpeta = temp ? temp : "";
  return ConBarraFinal(texto::Recortado(carpeta).empty() ? CarpetaTemporal() : carpeta);
}
