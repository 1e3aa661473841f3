#pragma once
// Which SQL dialect a connection speaks, decided from the provider (or the
// ODBC driver) it names, never from other words in the connection string:
// a database file under /home/oracle/, a SQL Server database called
// ORACLE_HIST or a server oracle-backup still speak SQL Server's dialect.
#include <string>

// True for Oracle's providers: OraOLEDB (OraOLEDB.Oracle.1) and MSDAORA.
bool EsProveedorOracle(const std::string& proveedor);
// True when the connection string goes to Oracle: its provider is one of
// Oracle's, or it is an ODBC string whose driver is an Oracle driver.
bool EsDialectoOracle(const std::string& cadenaConexion);
