#include "provisioning/GuardiaEliminacion.h"

#include "sivlib/Operador.h"

namespace {

constexpr const char* kClave = "OMBU@";

bool Contiene(const std::string& linea, const char* que) { return linea.find(que) != std::string::npos; }

}  // namespace

bool EsComandoDeEliminacion(const std::string& linea) {
  if (!Contiene(linea, "drop table") && !Contiene(linea, "truncate table")) return false;
  return !Contiene(linea, "TRUNCATE TABLE AC_VentasFormTStock") &&
         !Contiene(linea, "TRUNCATE TABLE MA_CUENTAS_SALDOS") && !Contiene(linea, "DROP TABLE #TTEmp");
}

bool GuardiaEliminacion::Permite(const std::string& linea) {
  if (permiso_ || !EsComandoDeEliminacion(linea)) return true;
  const std::string respuesta =
      operador().Entrada("Ingresa la Clave para permitir ejecutar este comando..\r\n" + linea, "Atencion", "");
  if (respuesta == kClave) return permiso_ = true;
  operador().Mensaje(
      "SE HA DETECTADO UN COMANDO DE ELIMINACION DE TABLA... NO ESTA PERMITIDO LA EJECUCION DE ESTOS "
      "COMANDOS...\r\nOPERACION ABORTADA!!!",
      botones::OK + botones::Critico, "ATENCION!");
  return false;
}
