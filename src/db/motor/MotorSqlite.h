#pragma once
// Embedded SQLite engine: the demo and test database and the local-file
// (Jet) providers. It runs the system's SQL Server dialect through its own
// rule set (dialecto_sqlite/) and reports failures with SQL Server's native
// codes and ADO's error numbers.
#include <memory>

#include "db/motor/Motor.h"

std::unique_ptr<Motor> CrearMotorSqlite();
