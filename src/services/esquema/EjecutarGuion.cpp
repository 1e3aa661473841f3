#include "services/esquema/EjecutarGuion.h"

#include <sqlite3.h>

bool EjecutarGuion(sqlite3* db, std::string_view guion, std::string* error) {
  // sqlite3_exec needs a terminated string; the embedded scripts are views.
  const std::string texto(guion);
  char* mensaje = nullptr;
  const int rc = sqlite3_exec(db, texto.c_str(), nullptr, nullptr, &mensaje);
  if (rc != SQLITE_OK && error) *error = mensaje ? mensaje : sqlite3_errstr(rc);
  sqlite3_free(mensaje);
  return rc == SQLITE_OK;
}
