#pragma once
// The database drivers' settings of this workstation, from the settings
// file's [ODBC] section, handed to the database layer: DriverSqlServer and
// DriverOracle (the ODBC driver names) and UnResultadoPorConexion (1: one
// active result per connection on every engine, as on SQL Server).
void LeerAjustesOdbc();
