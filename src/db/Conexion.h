#pragma once
// The ADO-shaped connection (gCnn) over an engine (Motor). It keeps the
// connection string, the open state, the provider error list and the ADO
// properties the program sets. Failures come back as ErrorSistema values
// with ADO's numbers (3705 open twice, 3704 closed twice, 3709 unusable
// connection, ...) and leave their provider records in Errors; nothing is
// thrown.
#include <memory>
#include <string>
#include <vector>

#include "db/ErroresProveedor.h"
#include "db/motor/Motor.h"
#include "sivlib/ErrorSistema.h"

class Recordset;

namespace estado_objeto {
constexpr long Cerrado = 0, Abierto = 1;
}

class Conexion {
 public:
  Conexion() = default;
  ~Conexion();
  Conexion(const Conexion&) = delete;
  Conexion& operator=(const Conexion&) = delete;

  // ADO properties.
  std::string ConnectionString;
  int CommandTimeout = 30;
  int ConnectionTimeout = 15;
  long CursorLocation = 2;     // 2 server-side, 3 client-side
  long IsolationLevel = 4096;  // ADO's read committed
  ErroresProveedor Errors;

  long State() const;
  // Opens with `cadena` (the current ConnectionString when empty); `usuario`
  // and `clave`, when not empty, override those of the string.
  ErrorSistema Open(const std::string& cadena = {}, const std::string& usuario = {}, const std::string& clave = {});
  ErrorSistema Close();
  // Runs a statement or batch. `filasAfectadas` gets the provider's count;
  // `resultado`, when given, is opened on the rows the statement returns
  // (forward-only, read-only).
  ErrorSistema Execute(const std::string& sql, long* filasAfectadas = nullptr, Recordset* resultado = nullptr);
  ErrorSistema BeginTrans();
  ErrorSistema CommitTrans();
  ErrorSistema RollbackTrans();
  // OpenSchema(adSchemaTables) / OpenSchema(adSchemaColumns, catalog, table):
  // the TABLE_NAME / COLUMN_NAME values.
  ErrorSistema EsquemaTablas(std::vector<std::string>& nombres);
  ErrorSistema EsquemaColumnas(const std::string& catalogo, const std::string& tabla,
                               std::vector<std::string>& nombres);
  const std::string& DefaultDatabase() const { return baseDatos_; }
  ErrorSistema FijarDefaultDatabase(const std::string& nombre);

  // For recordsets opened on this connection: the engine (null when closed)
  // and turning an engine outcome into the ADO error (records go to Errors).
  Motor* motor() { return motor_.get(); }
  ErrorSistema Registrar(const Resultado& r);
  // Recordsets reading from this connection: closing the connection closes
  // them first, as ADO does, so no cursor outlives its engine.
  void Vincular(Recordset* rs);
  void Desvincular(Recordset* rs);

 private:
  ErrorSistema Cerrada() const;  // the error of a call on a closed connection
  void CerrarRecordsets();
  std::unique_ptr<Motor> motor_;
  std::string baseDatos_;
  std::vector<Recordset*> recordsets_;
};
