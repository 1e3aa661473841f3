#include "demo/SentenciaSqlite.h"

#include <sqlite3.h>

namespace demo {

SentenciaSqlite::SentenciaSqlite(sqlite3* db, std::string_view sql) : db_(db) {
  Anotar(sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr));
}

SentenciaSqlite::~SentenciaSqlite() { sqlite3_finalize(stmt_); }

void SentenciaSqlite::Anotar(int rc) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW && error_.empty()) error_ = sqlite3_errmsg(db_);
}

SentenciaSqlite& SentenciaSqlite::Texto(std::string_view valor) {
  if (Ok())
    Anotar(sqlite3_bind_text(stmt_, siguiente_, valor.data(), static_cast<int>(valor.size()), SQLITE_TRANSIENT));
  ++siguiente_;
  return *this;
}

SentenciaSqlite& SentenciaSqlite::TextoONulo(const std::optional<std::string>& valor) {
  return valor ? Texto(*valor) : Nulo();
}

SentenciaSqlite& SentenciaSqlite::Entero(long long valor) {
  if (Ok()) Anotar(sqlite3_bind_int64(stmt_, siguiente_, valor));
  ++siguiente_;
  return *this;
}

SentenciaSqlite& SentenciaSqlite::Real(double valor) {
  if (Ok()) Anotar(sqlite3_bind_double(stmt_, siguiente_, valor));
  ++siguiente_;
  return *this;
}

SentenciaSqlite& SentenciaSqlite::RealONulo(const std::optional<double>& valor) {
  return valor ? Real(*valor) : Nulo();
}

SentenciaSqlite& SentenciaSqlite::Nulo() {
  if (Ok()) Anotar(sqlite3_bind_null(stmt_, siguiente_));
  ++siguiente_;
  return *this;
}

void SentenciaSqlite::Ejecutar() {
  siguiente_ = 1;
  if (!Ok()) return;
  Anotar(sqlite3_step(stmt_));
  sqlite3_reset(stmt_);
}

}  // namespace demo
