#include "sivlib/Aplicacion.h"

#include "sivlib/CarpetasPrograma.h"
#include "sivlib/Operador.h"

namespace {
std::string& Carpeta() {
  static std::string c;
  return c;
}
}  // namespace

void FijarCarpeta(const std::string& carpeta) { Carpeta() = carpeta; }

std::string CarpetaAplicacion() { return Carpeta().empty() ? CarpetasDelProceso().aplicacion : Carpeta(); }

void Restablecer() { operador().CursorOcupado(false); }
