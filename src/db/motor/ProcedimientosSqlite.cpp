#include "db/motor/ProcedimientosSqlite.h"

#include "db/motor/BasesSqlite.h"
#include "db/motor/ErroresSqlite.h"
#include "db/motor/dialecto_sqlite/LlamadasProcedimiento.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

using dialecto_sqlite::LlamadaProcedimiento;

namespace {

Resultado ProcedimientoDesconocido(const std::string& nombre) {
  return ErrorMotor(ado::ErrorEnComando, 2812, "42000", "Could not find stored procedure '" + nombre + "'.");
}

bool SinEfecto(const std::string& procedimiento) {
  return EstaEnLista(procedimiento, {"sp_addsrvrolemember", "sp_grantdbaccess", "sp_addrolemember"});
}

}  // namespace

void ProcedimientosSqlite::BaseCreada(const std::string& ruta) { sinLogin_.insert(RutaCanonica(ruta)); }

Resultado ProcedimientosSqlite::Ejecutar(const std::string& sentencia, const std::string& rutaAbierta) {
  for (const LlamadaProcedimiento& l : dialecto_sqlite::LeerLlamadas(sentencia)) {
    Resultado r;
    if (texto::IgualesSinCaso(l.nombre, "sp_addlogin"))
      r = AgregarLogin(l.Argumento("@loginame", 0), l.Argumento("@defdb", 2), rutaAbierta);
    else if (!SinEfecto(l.nombre)) r = ProcedimientoDesconocido(l.nombre);
    if (!r.Ok()) return r;
  }
  return {};
}

Resultado ProcedimientosSqlite::AgregarLogin(const std::string& login, const std::string& base,
                                             const std::string& rutaAbierta) {
  // Without a default database the login's is the current one.
  const std::string ruta = base.empty() ? rutaAbierta : UbicarBaseSqlite(base);
  if (!base.empty() && !ExisteBaseSqlite(base))
    return ErrorMotor(ado::ErrorEnComando, 15010, "42000",
                      "The database '" + base +
                          "' does not exist. Supply a valid database name. To see available databases, use "
                          "sys.databases.");
  if (sinLogin_.erase(RutaCanonica(ruta)) == 0)
    return ErrorMotor(ado::ErrorEnComando, 15025, "42000", "The server principal '" + login + "' already exists.");
  return {};
}
