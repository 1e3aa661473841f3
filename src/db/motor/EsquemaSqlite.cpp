#include "db/motor/EsquemaSqlite.h"

#include "sivlib/Texto.h"

using dialecto_sqlite::ColumnaDeclarada;

namespace {

std::string TextoDeColumna(sqlite3_stmt* st, int i) {
  const auto* s = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
  return s ? s : "";
}

// A failed read leaves the table unknown: the translation then keeps its
// usual reading, and the statement itself reports what is wrong.
std::vector<ColumnaDeclarada> LeerColumnas(sqlite3* db, const std::string& tabla) {
  std::vector<ColumnaDeclarada> columnas;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT name, type FROM pragma_table_info(?1)", -1, &st, nullptr) != SQLITE_OK)
    return columnas;
  sqlite3_bind_text(st, 1, tabla.c_str(), int(tabla.size()), SQLITE_TRANSIENT);
  int rc;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW) columnas.push_back({TextoDeColumna(st, 0), TextoDeColumna(st, 1)});
  sqlite3_finalize(st);
  if (rc != SQLITE_DONE) columnas.clear();
  return columnas;
}

}  // namespace

void EsquemaSqlite::Conectar(sqlite3* db) {
  db_ = db;
  tablas_.clear();
}

std::vector<ColumnaDeclarada> EsquemaSqlite::Columnas(const std::string& tabla) {
  if (!db_) return {};
  const std::string clave = texto::Mayusculas(tabla);
  if (auto it = tablas_.find(clave); it != tablas_.end()) return it->second;
  std::vector<ColumnaDeclarada> columnas = LeerColumnas(db_, tabla);
  if (!columnas.empty()) tablas_[clave] = columnas;
  return columnas;
}
