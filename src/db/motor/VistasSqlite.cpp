#include "db/motor/VistasSqlite.h"

#include "db/motor/ErroresSqlite.h"
#include "db/motor/dialecto_sqlite/Lexico.h"

using namespace dialecto_sqlite;

namespace {

// The view's name as written in "CREATE [TEMP] VIEW [IF NOT EXISTS] name";
// empty when the statement creates no view.
std::string VistaCreada(const std::string& sql) {
  const std::vector<Token> t = Tokenizar(sql);
  size_t i = Siguiente(t, std::string::npos);
  if (i == std::string::npos || !EsPalabra(t[i], "CREATE")) return {};
  i = Siguiente(t, i);
  if (i != std::string::npos && (EsPalabra(t[i], "TEMP") || EsPalabra(t[i], "TEMPORARY"))) i = Siguiente(t, i);
  if (i == std::string::npos || !EsPalabra(t[i], "VIEW")) return {};
  i = Siguiente(t, i);
  if (i != std::string::npos && EsPalabra(t[i], "IF")) i = Siguiente(t, Siguiente(t, Siguiente(t, i)));
  std::string nombre;
  // A qualified name keeps its qualifier ("main.V").
  for (; i != std::string::npos && !EsPalabra(t[i], "AS") && !EsSimbolo(t[i], "("); i = Siguiente(t, i))
    nombre += t[i].texto;
  return nombre;
}

}  // namespace

Resultado ComprobarVistaCreada(sqlite3* db, const std::string& traducida, const std::string& original) {
  const std::string vista = VistaCreada(traducida);
  if (vista.empty()) return {};
  const std::string lectura = "SELECT * FROM " + vista + " LIMIT 0";
  sqlite3_stmt* st = nullptr;
  const int rc = sqlite3_prepare_v2(db, lectura.c_str(), -1, &st, nullptr);
  sqlite3_finalize(st);
  if (rc == SQLITE_OK) return {};
  Resultado r = ErrorSqlite(db, rc, original);
  sqlite3_exec(db, ("DROP VIEW " + vista).c_str(), nullptr, nullptr, nullptr);
  return r;
}
