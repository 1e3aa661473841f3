#pragma once
// SQL Server checks the objects a view reads when the view is created and
// refuses it when one is missing (208); SQLite only finds out when the
// view is read. Scripts that create a view before its table count on the
// refusal to run the view again later.
#include <sqlite3.h>

#include <string>

#include "db/motor/Motor.h"

// After `traducida` (the statement as SQLite ran it) succeeded: when it
// created a view, the view is read once without rows; when that fails the
// view is dropped again and the failure reported as SQL Server's for the
// statement `original`.
Resultado ComprobarVistaCreada(sqlite3* db, const std::string& traducida, const std::string& original);
