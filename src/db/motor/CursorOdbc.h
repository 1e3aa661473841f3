#pragma once
// Forward-only rows of an ODBC statement: SQLFetch one row at a time, its
// values read with SQLGetData into the current row only.
#include <memory>
#include <vector>

#include "db/motor/ConexionOdbc.h"
#include "db/motor/Motor.h"

class CursorOdbc : public Cursor {
 public:
  CursorOdbc(std::shared_ptr<ConexionOdbc> conexion, SQLHSTMT st);
  ~CursorOdbc() override;
  const std::vector<CampoInfo>& Campos() const override { return campos_; }
  bool Siguiente(Resultado& r) override;
  Variant Valor(size_t columna) const override;

 private:
  Variant Leer(SQLUSMALLINT columna, SQLSMALLINT tipoSql, Resultado& r);
  std::shared_ptr<ConexionOdbc> conexion_;
  SQLHSTMT st_;
  std::vector<CampoInfo> campos_;
  std::vector<SQLSMALLINT> tiposSql_;
  std::vector<Variant> fila_;
  bool terminado_ = false;
};

// ADO's type and defined size for a column ODBC describes.
CampoInfo CampoDeOdbc(const std::string& nombre, SQLSMALLINT tipoSql, SQLULEN tamano, SQLSMALLINT decimales);
