#pragma once
// The provider error list from ODBC's diagnostic records, numbered as the
// OLE DB provider numbered the same failures, because the program decides
// by those numbers: only a lost connection (SQL state 08xxx) gets the
// unspecified-error number that makes a reader reconnect; a query time-out,
// a data error or a busy connection get their own and go to the dialog.
// Informational records (class 01: PRINT, messages below error severity)
// get number 0: they stay in the list but are no failure.
#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

#include "db/motor/Motor.h"

// Whether the call was the login (where every failure but a refused login
// reads as an unreachable server) or a statement on an open connection.
enum class MomentoOdbc { Conexion, Sentencia };

long NumeroAdoDeEstado(const std::string& estado, const std::string& mensaje = {},
                       MomentoOdbc momento = MomentoOdbc::Sentencia);
// Every diagnostic record of the handle. The two informational messages
// SQL Server sends on every login and USE ("Changed database context",
// "Changed language setting", natives 5701 / 5703) are left out, as the
// OLE DB provider leaves them out.
std::vector<ErrorProveedor> Diagnosticos(SQLSMALLINT tipoHandle, SQLHANDLE h,
                                         MomentoOdbc momento = MomentoOdbc::Sentencia);
// The outcome of an ODBC call: failure on SQL_ERROR (and SQL_INVALID_HANDLE),
// numbered after its first record that is not informational; success with
// its informational records on SQL_SUCCESS_WITH_INFO.
Resultado ResultadoOdbc(SQLRETURN rc, SQLSMALLINT tipoHandle, SQLHANDLE h,
                        MomentoOdbc momento = MomentoOdbc::Sentencia);
bool OdbcOk(SQLRETURN rc);
