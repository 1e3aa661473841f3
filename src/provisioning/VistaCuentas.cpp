#include "provisioning/VistaCuentas.h"

namespace {

bool Contiene(const std::string& en, const char* que) { return en.find(que) != std::string::npos; }

}  // namespace

std::string VistaCuentas(const std::string& lote, const std::string& archivo, bool confidencial) {
  if (!Contiene(archivo, "VISTAS") && !Contiene(archivo, "COMPLETO")) return lote;
  if (!Contiene(lote, "CREATE VIEW dbo.SS_MA_CUENTAS")) return lote;
  const std::string cabeza = std::string("CREATE VIEW dbo.SS_MA_CUENTAS ") + " AS ";
  if (!confidencial) return cabeza + " SELECT * " + " FROM MA_CUENTAS";
  return cabeza + " SELECT MA_CUENTAS.* " + " FROM MA_CUENTAS_USUARIOS INNER JOIN " + " MA_CUENTAS ON  " +
         " MA_CUENTAS_USUARIOS.Cuenta = MA_CUENTAS.CODIGO INNER  " + " Join TA_USUARIOS ON " +
         " MA_CUENTAS_USUARIOS.GrupoUser = TA_USUARIOS.Grupo  " + " Where (TA_USUARIOS.Nombre = SYSTEM_USER)";
}
