#include "db/motor/ControladoresOdbc.h"

#include <cstdlib>
#include <mutex>

#include "sivlib/Texto.h"

namespace {

std::mutex m;
std::string configuradoSqlServer, configuradoOracle;

std::string Elegir(const char* variable, const std::string& configurado, const char* porDefecto) {
  const char* v = std::getenv(variable);
  if (v && !texto::Recortado(v).empty()) return texto::Recortado(v);
  if (!configurado.empty()) return configurado;
  return porDefecto;
}

}  // namespace

void FijarControladoresOdbc(const std::string& sqlServer, const std::string& oracle) {
  std::lock_guard l(m);
  configuradoSqlServer = texto::Recortado(sqlServer);
  configuradoOracle = texto::Recortado(oracle);
}

std::string ControladorSqlServer() {
  std::lock_guard l(m);
  return Elegir("UT_VORNA_DRIVER_SQLSERVER", configuradoSqlServer, "FreeTDS");
}

std::string ControladorOracle() {
  std::lock_guard l(m);
  return Elegir("UT_VORNA_DRIVER_ORACLE", configuradoOracle, "Oracle");
}
