#pragma once
// The provider error list from ODBC's diagnostic records, with the ADO
// error numbers the program tests: 42S02 -> table missing, 23000 ->
// integrity, 42xxx / 37000 -> error in the command text, others ->
// unspecified.
#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

#include "db/motor/Motor.h"

long NumeroAdoDeEstado(const std::string& estado);
// Every diagnostic record of the handle. The two informational messages
// SQL Server sends on every login and USE ("Changed database context",
// "Changed language setting", natives 5701 / 5703) are left out, as the
// OLE DB provider leaves them out.
std::vector<ErrorProveedor> Diagnosticos(SQLSMALLINT tipoHandle, SQLHANDLE h);
// The outcome of an ODBC call: failure on SQL_ERROR (and SQL_INVALID_HANDLE),
// success with its warnings on SQL_SUCCESS_WITH_INFO.
Resultado ResultadoOdbc(SQLRETURN rc, SQLSMALLINT tipoHandle, SQLHANDLE h);
bool OdbcOk(SQLRETURN rc);
