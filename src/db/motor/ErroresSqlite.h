#pragma once
// SQLite failures told as SQL Server's: the native codes the program acts
// on (208, 2714, 2627, 547 ...), their SQL states and ADO's error numbers.
#include <string>

#include "db/motor/Motor.h"

struct sqlite3;

// The failure of the last call on `db` (code `codigo`), for the statement
// `sentencia` as the program wrote it.
Resultado ErrorSqlite(sqlite3* db, int codigo, const std::string& sentencia);
// A failure built from its parts (used for the engine's own checks).
Resultado ErrorMotor(long numeroAdo, long nativo, const std::string& estado, const std::string& descripcion);
