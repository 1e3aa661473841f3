#include "support/ConsultaSqlite.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

BaseSqlite::BaseSqlite(const std::string& archivo) {
  if (sqlite3_open_v2(archivo.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    ADD_FAILURE() << "cannot open " << archivo;
}

BaseSqlite::~BaseSqlite() { sqlite3_close(db_); }

std::vector<FilaSqlite> BaseSqlite::Filas(const std::string& sql) const {
  std::vector<FilaSqlite> filas;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sqlite3_errmsg(db_) << "\n" << sql;
    return filas;
  }
  int rc;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    FilaSqlite fila;
    for (int i = 0; i < sqlite3_column_count(st); ++i) {
      const unsigned char* t = sqlite3_column_text(st, i);
      fila.push_back(t ? std::optional<std::string>(reinterpret_cast<const char*>(t)) : std::nullopt);
    }
    filas.push_back(std::move(fila));
  }
  if (rc != SQLITE_DONE) ADD_FAILURE() << sqlite3_errmsg(db_) << "\n" << sql;
  sqlite3_finalize(st);
  return filas;
}

std::string BaseSqlite::Valor(const std::string& sql) const {
  const auto filas = Filas(sql);
  return filas.empty() || filas[0].empty() || !filas[0][0] ? "" : *filas[0][0];
}

long BaseSqlite::Numero(const std::string& sql) const {
  const std::string v = Valor(sql);
  return v.empty() ? 0 : std::stol(v);
}

std::vector<std::pair<std::string, std::string>> BaseSqlite::Columnas(const std::string& sql) const {
  std::vector<std::pair<std::string, std::string>> r;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sqlite3_errmsg(db_) << "\n" << sql;
    return r;
  }
  for (int i = 0; i < sqlite3_column_count(st); ++i) {
    const char* tipo = sqlite3_column_decltype(st, i);
    r.emplace_back(sqlite3_column_name(st, i), tipo ? tipo : "");
  }
  sqlite3_finalize(st);
  return r;
}
