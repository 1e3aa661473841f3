#include "unifier/tarea/TablaCron.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "unifier/tarea/ComandoTarea.h"

namespace tarea {

std::string ComandoCrontab() {
  const char* cmd = std::getenv("UT_VORNA_CRONTAB");
  return cmd && *cmd ? cmd : "crontab";
}

bool LeerCrontab(std::string& salida) {
  const std::string orden = ComillasShell(ComandoCrontab()) + " -l 2>&1";
  FILE* p = popen(orden.c_str(), "r");
  if (!p) {
    salida = "No se pudo ejecutar el comando crontab.";
    return false;
  }
  salida.clear();
  std::array<char, 4096> buf{};
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) salida.append(buf.data(), n);
  const int estado = pclose(p);
  return estado == 0;
}

bool EntradaEnTabla(const std::string& tabla, const std::string& entrada) {
  size_t inicio = 0;
  while (inicio <= tabla.size()) {
    size_t fin = tabla.find('\n', inicio);
    if (fin == std::string::npos) fin = tabla.size();
    if (tabla.compare(inicio, fin - inicio, entrada) == 0) return true;
    inicio = fin + 1;
  }
  return false;
}

}  // namespace tarea
