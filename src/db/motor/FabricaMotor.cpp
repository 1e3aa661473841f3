// Engine choice from the connection string, and the factory tests replace.
#include <mutex>

#include "db/motor/CadenaConexion.h"
#include "db/motor/EleccionMotor.h"
#include "db/motor/Motor.h"
#include "db/motor/MotorOdbc.h"
#include "db/motor/MotorSinProveedor.h"
#include "db/motor/MotorSqlite.h"
#include "db/motor/MotorUnResultado.h"

namespace {

std::mutex mFabrica;
FabricaMotor& FabricaInstalada() {
  static FabricaMotor f;
  return f;
}

std::unique_ptr<Motor> CrearMotorEstandar(const std::string& cadena) {
  switch (ElegirMotor(cadena)) {
    case TipoMotor::Sqlite: return CrearMotorSqlite();
    case TipoMotor::OdbcSqlServer: return CrearMotorOdbc(TipoOdbc::SqlServer);
    case TipoMotor::OdbcOracle: return CrearMotorOdbc(TipoOdbc::Oracle);
    case TipoMotor::OdbcDirecto: return CrearMotorOdbc(TipoOdbc::Directo);
    case TipoMotor::Desconocido: break;
  }
  return CrearMotorSinProveedor(CadenaConexion(cadena).Valor({"Provider"}));
}

}  // namespace

std::unique_ptr<Motor> CrearMotor(const std::string& cadenaConexion) {
  FabricaMotor f;
  {
    std::lock_guard l(mFabrica);
    f = FabricaInstalada();
  }
  if (f) {
    if (auto m = f(cadenaConexion)) return ConUnResultado(std::move(m));
  }
  return ConUnResultado(CrearMotorEstandar(cadenaConexion));
}

void FijarFabricaMotor(FabricaMotor fabrica) {
  std::lock_guard l(mFabrica);
  FabricaInstalada() = std::move(fabrica);
}
