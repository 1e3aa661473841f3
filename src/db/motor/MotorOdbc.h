#pragma once
// ODBC engine (unixODBC): SQL Server through FreeTDS, Oracle through an
// Oracle driver, or any driver named by an ODBC string.
#include <memory>

#include "db/motor/Motor.h"

enum class TipoOdbc { SqlServer, Oracle, Directo };

std::unique_ptr<Motor> CrearMotorOdbc(TipoOdbc tipo);
