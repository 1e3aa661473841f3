#include "sivlib/RegistroAlternativo.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace registro {
namespace {

std::string Variable(const char* nombre) {
  const char* v = std::getenv(nombre);
  return v && *v ? std::string(v) : std::string();
}

std::string CarpetaEstado() {
  const std::string estado = Variable("XDG_STATE_HOME");
  if (!estado.empty()) return estado;
  const std::string casa = Variable("HOME");
  return casa.empty() ? std::string() : casa + "/.local/state";
}

}  // namespace

std::string RutaAlternativa(const std::string& ruta) {
  const std::string estado = CarpetaEstado();
  if (estado.empty()) return {};
  const fs::path carpeta = fs::path(estado) / "ut_vorna";
  std::error_code ec;
  if (!fs::is_directory(carpeta, ec)) {
    fs::create_directories(carpeta, ec);
    fs::permissions(carpeta, fs::perms::owner_all, fs::perm_options::replace, ec);
  }
  return (carpeta / fs::path(ruta).filename()).string();
}

}  // namespace registro
