#include "sivlib/CarpetasPrograma.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "sivlib/Entorno.h"
#include "sivlib/Utiles.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNombre = "ut_vorna";

// Without "." or ".." steps or a final separator.
std::string Normal(const fs::path& p) {
  const fs::path n = p.lexically_normal();
  return (n.has_filename() || n == n.root_path() ? n : n.parent_path()).string();
}

std::string Variable(const char* nombre) {
  const char* v = std::getenv(nombre);
  return v && *v ? std::string(v) : std::string();
}

// The user's application folder of an installed program; empty when no
// variable names one.
std::string CarpetaDelUsuario() {
  if (const std::string propia = Variable("UT_VORNA_CARPETA"); !propia.empty()) {
    std::error_code ec;
    const fs::path absoluta = fs::absolute(propia, ec);
    return Normal(ec ? fs::path(propia) : absoluta);
  }
  if (const std::string datos = Variable("XDG_DATA_HOME"); !datos.empty() && fs::path(datos).is_absolute())
    return Normal(fs::path(datos) / kNombre);
  if (const std::string casa = Variable("HOME"); !casa.empty())
    return Normal(fs::path(casa) / ".local" / "share" / kNombre);
  return "";
}

// Makes `carpeta` a folder this user may write into: it and each missing
// folder above it are created for their owner only. Returns the errno of
// what failed, 0 when it is usable.
int PrepararCarpeta(const fs::path& carpeta) {
  std::vector<fs::path> faltan;
  for (fs::path p = carpeta; !p.empty(); p = p.parent_path()) {
    struct stat st;
    if (stat(p.c_str(), &st) == 0) break;
    if (errno != ENOENT) return errno;
    faltan.push_back(p);
    if (p == p.parent_path()) break;
  }
  for (auto p = faltan.rbegin(); p != faltan.rend(); ++p)
    if (mkdir(p->c_str(), 0700) != 0 && errno != EEXIST) return errno;
  struct stat st;
  if (stat(carpeta.c_str(), &st) != 0) return errno;
  if (!S_ISDIR(st.st_mode)) return ENOTDIR;
  return access(carpeta.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

std::optional<Instalacion>& Fijada() {
  static std::optional<Instalacion> i;
  return i;
}

}  // namespace

std::optional<Instalacion> InstalacionDe(const std::string& rutaEjecutable) {
  const fs::path bin = fs::path(rutaEjecutable).parent_path();
  if (bin.filename() != "bin") return std::nullopt;
  const fs::path datos = bin.parent_path() / "share" / kNombre;
  std::error_code ec;
  if (!fs::is_directory(datos, ec)) return std::nullopt;
  return Instalacion{rutaEjecutable, ConBarraFinal(datos.string())};
}

CarpetasPrograma CarpetasDe(const std::string& rutaEjecutable) {
  CarpetasPrograma c;
  const std::string propia = rutaEjecutable.substr(0, rutaEjecutable.find_last_of('/') + 1);
  c.instalacion = InstalacionDe(rutaEjecutable);
  if (!c.instalacion) {
    c.aplicacion = propia;
    return c;
  }
  const std::string carpeta = CarpetaDelUsuario();
  if (carpeta.empty()) {
    c.aplicacion = propia;
    c.error =
        "No se puede determinar la carpeta de la aplicacion: no estan definidas UT_VORNA_CARPETA, "
        "XDG_DATA_HOME ni HOME";
    return c;
  }
  c.aplicacion = ConBarraFinal(carpeta);
  if (const int e = PrepararCarpeta(carpeta))
    c.error = "No se puede usar la carpeta de la aplicacion " + carpeta + ": " + std::strerror(e);
  return c;
}

CarpetasPrograma CarpetasDelProceso() {
  // Decided once: the start-up, its warning and every look-up of the
  // application folder before the start-up fixes it ask the same question,
  // and each answer would stat (and maybe create) the folders again.
  static const CarpetasPrograma carpetas = CarpetasDe(RutaEjecutable());
  return carpetas;
}

void FijarInstalacion(std::optional<Instalacion> instalacion) { Fijada() = std::move(instalacion); }

const std::optional<Instalacion>& InstalacionFijada() { return Fijada(); }

std::string ArchivoDeLectura(const std::string& carpetaAplicacion, const std::string& nombre) {
  const std::string propio = ConBarraFinal(carpetaAplicacion) + nombre;
  std::error_code ec;
  if (!InstalacionFijada() || fs::is_regular_file(propio, ec)) return propio;
  return InstalacionFijada()->datos + nombre;
}
