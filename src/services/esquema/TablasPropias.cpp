#include "services/esquema/TablasPropias.h"

#include <sqlite3.h>

#include "services/esquema/EjecutarGuion.h"
#include "services/esquema/GuionesSql.h"

bool CrearTablasPropias(sqlite3* db, std::string* error) {
  // A savepoint makes the script all or nothing, inside a caller's
  // transaction as well as alone, and saves a disk sync per table.
  if (!EjecutarGuion(db, "SAVEPOINT tablas_propias;", error)) return false;
  if (EjecutarGuion(db, GuionTablasPropias(), error)) return EjecutarGuion(db, "RELEASE tablas_propias;", error);
  EjecutarGuion(db, "ROLLBACK TO tablas_propias; RELEASE tablas_propias;");
  return false;
}

bool CrearTablasPropias(const std::string& archivo, std::string* error) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(archivo.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  bool ok = rc == SQLITE_OK;
  if (!ok) {
    if (error) *error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  } else {
    ok = CrearTablasPropias(db, error);
  }
  sqlite3_close(db);
  return ok;
}
