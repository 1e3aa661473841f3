#include "app/InstanciaActiva.h"

#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <iterator>

#include "sivlib/Texto.h"

namespace {

std::string NombreArchivo(const std::string& ruta) {
  const size_t p = ruta.find_last_of('/');
  return p == std::string::npos ? ruta : ruta.substr(p + 1);
}

std::string Ejecutable(const std::string& pid) {
  char buf[PATH_MAX + 1];
  const std::string base = "/proc/" + pid;
  const ssize_t n = readlink((base + "/exe").c_str(), buf, PATH_MAX);
  if (n > 0) {
    std::string ruta(buf, size_t(n));
    // A file replaced while running reads "<path> (deleted)".
    const std::string borrado = " (deleted)";
    if (ruta.size() > borrado.size() && ruta.compare(ruta.size() - borrado.size(), borrado.size(), borrado) == 0)
      ruta.resize(ruta.size() - borrado.size());
    return NombreArchivo(ruta);
  }
  std::ifstream cmd(base + "/cmdline", std::ios::binary);
  std::string primera;
  std::getline(cmd, primera, '\0');
  return NombreArchivo(primera);
}

}  // namespace

int ContarProcesos(const std::string& nombre) {
  DIR* d = opendir("/proc");
  if (!d) return 0;
  int cuenta = 0;
  while (dirent* e = readdir(d)) {
    const std::string pid = e->d_name;
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if (texto::IgualesSinCaso(Ejecutable(pid), nombre)) ++cuenta;
  }
  closedir(d);
  return cuenta;
}

bool InstanciaActiva(std::string& nombre) {
  if (!texto::ContieneSinCaso(nombre, ".exe")) nombre += ".exe";
  bool activa = ContarProcesos(nombre) > 1;
  if (!activa) {
    if (texto::ContieneSinCaso(nombre, ".exe")) nombre = texto::ReemplazarSinCaso(nombre, ".exe", "");
    else nombre += ".exe";
    activa = ContarProcesos(nombre) > 1;
  }
  return activa;
}
