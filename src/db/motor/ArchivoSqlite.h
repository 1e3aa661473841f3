#pragma once
// Where an embedded database lives, and its creation.
//
// The database name of the connection string is the path of the file. A
// name without folder and without extension (the statistics database,
// "PX_ESTADISTICAS") means "<name>.sqlite" beside the main database: the
// folder of the last database the process opened by its path, or the
// working folder before any. Opening never creates a file; only the
// program's own provisioning (and the demo generator) does, through
// CrearBaseSqlite.
#include <string>

#include "db/motor/Motor.h"

std::string RutaBaseSqlite(const std::string& nombreBase);
// True when the name is a path (has a folder or an extension), i.e. a main database.
bool EsRutaDeBase(const std::string& nombreBase);
// Remembers the folder of a main database just opened.
void RecordarBasePrincipal(const std::string& ruta);
// Creates an empty database file (resolved as RutaBaseSqlite does).
// Fails with SQL Server's 1801 when the file already exists.
Resultado CrearBaseSqlite(const std::string& nombreBase);
