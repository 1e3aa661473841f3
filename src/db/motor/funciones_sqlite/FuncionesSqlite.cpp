#include "db/motor/funciones_sqlite/FuncionesSqlite.h"

#include <sqlite3.h>

void RegistrarFuncionesSqlServer(sqlite3* db) {
  funciones_sqlite::RegistrarTexto(db);
  funciones_sqlite::RegistrarFecha(db);
  const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  sqlite3_create_function(db, "SUMAR_TSQL", 2, det, nullptr, funciones_sqlite::Sumar, nullptr, nullptr);
  sqlite3_create_function(db, "CONVERTIR_TSQL", 2, det, nullptr, funciones_sqlite::Convertir, nullptr, nullptr);
  sqlite3_create_function(db, "CONVERTIR_TSQL", 3, det, nullptr, funciones_sqlite::Convertir, nullptr, nullptr);
}
