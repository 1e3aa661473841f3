#include "db/PreparacionSesion.h"

#include "db/motor/EleccionMotor.h"

Resultado PrepararSesion(Motor& motor, const std::string& cadenaConexion) {
  if (ElegirMotor(cadenaConexion) != TipoMotor::OdbcSqlServer) return {};
  return motor.Ejecutar(kOrdenFechasSesion, nullptr, nullptr);
}
