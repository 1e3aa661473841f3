#pragma once
// Creation of the program's own tables in an embedded (SQLite) database.
//
// Tests of any subsystem that need TA_CONFIGURACION, TA_CONFIG_FORM,
// AUX_ERR, Control_Acceso, TA_USUARIOS, TA_MENU, TA_TAREAS, V_TA_Cajas or
// V_MV_FALTANTES link the library `services` and call one of these on a
// fresh database file; the demo generator does the same. The tables are
// created empty. The script text itself is GuionTablasPropias()
// (services/esquema/GuionesSql.h), for code that runs it through its own engine.
#include <string>

struct sqlite3;

// Runs the script on an open handle, all or nothing (also inside a
// transaction of the caller). On failure returns false and, when `error`
// is given, SQLite's message. Tables that already exist are kept.
bool CrearTablasPropias(sqlite3* db, std::string* error = nullptr);

// Opens (creating it when missing) the database file, runs the script and
// closes the file.
bool CrearTablasPropias(const std::string& archivo, std::string* error = nullptr);
