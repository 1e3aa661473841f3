#pragma once
// A prepared SQLite statement for the demo generator's bulk inserts:
// bind the values of one row, run it, and the statement is ready for the
// next row. The first failure is kept (and later calls do nothing), so the
// generator checks once per table instead of once per value.
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace demo {

class SentenciaSqlite {
 public:
  SentenciaSqlite(sqlite3* db, std::string_view sql);
  ~SentenciaSqlite();
  SentenciaSqlite(const SentenciaSqlite&) = delete;
  SentenciaSqlite& operator=(const SentenciaSqlite&) = delete;

  // Binds the parameters in order, starting again after each Ejecutar.
  SentenciaSqlite& Texto(std::string_view valor);
  SentenciaSqlite& TextoONulo(const std::optional<std::string>& valor);
  SentenciaSqlite& Entero(long long valor);
  SentenciaSqlite& Real(double valor);
  SentenciaSqlite& RealONulo(const std::optional<double>& valor);
  SentenciaSqlite& Nulo();
  // Runs the row and resets the statement.
  void Ejecutar();

  bool Ok() const { return error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  void Anotar(int rc);
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  int siguiente_ = 1;
  std::string error_;
};

}  // namespace demo
