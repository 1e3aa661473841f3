#pragma once
// Forward-only rows of a prepared SQLite statement: each Siguiente steps
// the statement, so nothing holds more than the current row.
#include <memory>
#include <string>
#include <vector>

#include "db/motor/ConexionSqlite.h"
#include "db/motor/Motor.h"
#include "db/motor/TiposSqlite.h"

class CursorSqlite : public Cursor {
 public:
  // `sentencia` has already been stepped once onto its first row
  // (`hayFila`), or to its end.
  CursorSqlite(std::shared_ptr<ConexionSqlite> conexion, sqlite3_stmt* sentencia, bool hayFila, std::string sql);
  ~CursorSqlite() override;
  const std::vector<CampoInfo>& Campos() const override { return campos_; }
  bool Siguiente(Resultado& r) override;
  Variant Valor(size_t columna) const override;

 private:
  std::shared_ptr<ConexionSqlite> conexion_;
  sqlite3_stmt* st_;
  std::string sql_;
  std::vector<CampoInfo> campos_;
  std::vector<LecturaColumna> lecturas_;
  bool pendiente_;  // the first row is stepped onto but not yet handed out
  bool enFila_ = false;
  bool terminado_;
};
