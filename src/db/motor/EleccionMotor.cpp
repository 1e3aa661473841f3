#include "db/motor/EleccionMotor.h"

#include "db/motor/CadenaConexion.h"
#include "sivlib/Texto.h"

namespace {
bool EsJet(const std::string& proveedor) { return texto::EmpiezaSinCaso(proveedor, "Microsoft.Jet.OLEDB"); }
}  // namespace

TipoMotor ElegirMotor(const std::string& cadena) {
  const CadenaConexion c(cadena);
  if (c.Tiene("DRIVER")) return TipoMotor::OdbcDirecto;
  const std::string proveedor = c.Valor({"Provider"});
  if (EsJet(proveedor)) return TipoMotor::Sqlite;
  if (texto::IgualesSinCaso(c.Valor({"Server", "Data Source", "Address", "Addr"}), "sqlite") &&
      !texto::ContieneSinCaso(proveedor, "OraOLEDB"))
    return TipoMotor::Sqlite;
  if (proveedor.empty() || texto::EmpiezaSinCaso(proveedor, "SQLOLEDB") ||
      texto::EmpiezaSinCaso(proveedor, "SQLNCLI") || texto::EmpiezaSinCaso(proveedor, "MSOLEDBSQL"))
    return TipoMotor::OdbcSqlServer;
  if (texto::EmpiezaSinCaso(proveedor, "OraOLEDB") || texto::EmpiezaSinCaso(proveedor, "MSDAORA"))
    return TipoMotor::OdbcOracle;
  return TipoMotor::Desconocido;
}

std::string BaseDeCadena(const std::string& cadena) {
  const CadenaConexion c(cadena);
  if (EsJet(c.Valor({"Provider"}))) return c.Valor({"Data Source"});
  return c.Valor({"Database", "Initial Catalog"});
}
