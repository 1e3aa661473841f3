#pragma once
// Which engine an ADO-form connection string asks for.
#include <string>

enum class TipoMotor {
  Sqlite,         // "Server=sqlite" (any case) or a Jet provider: embedded SQLite file
  OdbcSqlServer,  // Provider SQLOLEDB (or none): ODBC, SQL Server driver
  OdbcOracle,     // Provider OraOLEDB.Oracle.1: ODBC, Oracle driver
  OdbcDirecto,    // already an ODBC string ("DRIVER=..."): passed to the driver manager as it is
  Desconocido,    // a provider this platform does not have
};

TipoMotor ElegirMotor(const std::string& cadenaConexion);

// The embedded database's name in the string: "Database" (or "Initial
// Catalog") for the server form, "Data Source" for the Jet providers.
std::string BaseDeCadena(const std::string& cadenaConexion);
