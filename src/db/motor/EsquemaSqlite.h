#pragma once
// The declared column types of an open SQLite database, read once per
// table and kept until the engine sees the schema change (a CREATE,
// ALTER or DROP, a ROLLBACK) or opens another file. The translation of
// the SQL Server dialect asks it through dialecto_sqlite::EsquemaDeTablas.
#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

#include "db/motor/dialecto_sqlite/Esquema.h"

class EsquemaSqlite {
 public:
  void Conectar(sqlite3* db);
  // Empty when the table is unknown (not kept: it may be created by
  // another program at any time).
  std::vector<dialecto_sqlite::ColumnaDeclarada> Columnas(const std::string& tabla);
  void Olvidar() { tablas_.clear(); }

 private:
  sqlite3* db_ = nullptr;
  std::map<std::string, std::vector<dialecto_sqlite::ColumnaDeclarada>> tablas_;  // by name in upper case
};
