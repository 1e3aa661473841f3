#pragma once
// One open SQLite database, shared by the engine and its open cursors so
// that a cursor may outlive the engine's Cerrar (the file is closed when
// the last of them lets it go).
#include <sqlite3.h>

#include <memory>

struct ConexionSqlite {
  sqlite3* db = nullptr;
  ~ConexionSqlite() { sqlite3_close_v2(db); }
};
