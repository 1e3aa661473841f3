#pragma once
// The ODBC connection string for an ADO-form one.
//  SQLOLEDB: DRIVER={<SQL Server driver>};Server=;Database=;UID=;PWD=; with
//            FreeTDS a "server,port" is split into Server and Port, and the
//            client character set is UTF-8 (the program's texts are); the
//            protocol version is fixed (TDS_Version=7.4 unless the string
//            names one) so that the login time-out holds; no language is
//            sent (Language=;), so the session keeps the login's own.
//  OraOLEDB: DRIVER={<Oracle driver>};DBQ=<data source>;UID=;PWD=;
//  an ODBC string ("DRIVER=..."): as it is.
// `usuario` / `clave`, when not empty, replace those of the string.
#include <string>

#include "db/motor/MotorOdbc.h"

std::string CadenaOdbc(TipoOdbc tipo, const std::string& cadenaAdo, const std::string& usuario,
                       const std::string& clave);
