#pragma once
// Test helper: plain SQLite queries on a database file, rows as texts.
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

using FilaSqlite = std::vector<std::optional<std::string>>;

class BaseSqlite {
 public:
  explicit BaseSqlite(const std::string& archivo);
  ~BaseSqlite();
  BaseSqlite(const BaseSqlite&) = delete;
  BaseSqlite& operator=(const BaseSqlite&) = delete;

  sqlite3* db() const { return db_; }
  // Every row of the query; a failure fails the current test.
  std::vector<FilaSqlite> Filas(const std::string& sql) const;
  // The first column of the first row ("" when none or null).
  std::string Valor(const std::string& sql) const;
  long Numero(const std::string& sql) const;
  // Column names and declared types of a query's result.
  std::vector<std::pair<std::string, std::string>> Columnas(const std::string& sql) const;

 private:
  sqlite3* db_ = nullptr;
};
