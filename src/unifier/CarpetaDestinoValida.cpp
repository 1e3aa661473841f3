#include "unifier/CarpetaDestinoValida.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "sivlib/Texto.h"

namespace vorna {

bool CarpetaDestinoValida(const std::string& carpeta, std::string& motivo) {
  const std::string ruta = texto::Recortado(carpeta);
  if (ruta.empty()) {
    motivo = "No se indico la carpeta destino.";
    return false;
  }
  std::error_code ec;
  const auto estado = std::filesystem::status(ruta, ec);
  if (!std::filesystem::exists(estado)) {
    motivo = "La carpeta destino \"" + ruta + "\" no existe.";
    return false;
  }
  if (!std::filesystem::is_directory(estado)) {
    motivo = "La carpeta destino \"" + ruta + "\" no es una carpeta.";
    return false;
  }
  if (access(ruta.c_str(), W_OK | X_OK) != 0) {
    motivo = "No se puede escribir en la carpeta destino \"" + ruta + "\".";
    return false;
  }
  return true;
}

}  // namespace vorna
