#include "db/Conexion.h"

#include "db/PreparacionSesion.h"
#include "db/Recordset.h"

namespace {

constexpr const char* kOrigenConexion = "ADODB.Connection";

ErrorSistema ErrorAdo(long numero, const char* descripcion) {
  return ErrorSistema{numero, descripcion, kOrigenConexion};
}

}  // namespace

Conexion::~Conexion() {
  CerrarRecordsets();
  if (motor_) motor_->Cerrar();
}

void Conexion::Vincular(Recordset* rs) { recordsets_.push_back(rs); }

void Conexion::Desvincular(Recordset* rs) { std::erase(recordsets_, rs); }

void Conexion::CerrarRecordsets() {
  const std::vector<Recordset*> abiertos = std::move(recordsets_);
  recordsets_.clear();
  for (Recordset* rs : abiertos) rs->Soltar();
}

long Conexion::State() const { return motor_ ? estado_objeto::Abierto : estado_objeto::Cerrado; }

ErrorSistema Conexion::Cerrada() const {
  return ErrorAdo(ado::ConexionInutilizable,
                  "The connection cannot be used to perform this operation. It is either closed or invalid in "
                  "this context.");
}

ErrorSistema Conexion::Registrar(const Resultado& r) {
  // As ADO does: a call that brings provider records replaces the list;
  // a call that brings none leaves the earlier ones for the caller.
  if (!r.errores.empty()) {
    Errors.Clear();
    Errors.Agregar(r.errores);
  }
  return ErrorSistema{r.numero, r.descripcion, r.origen.empty() && r.numero ? kOrigenConexion : r.origen};
}

ErrorSistema Conexion::Open(const std::string& cadena, const std::string& usuario, const std::string& clave) {
  if (motor_) return ErrorAdo(ado::ObjetoAbierto, "Operation is not allowed when the object is open.");
  if (!cadena.empty()) ConnectionString = cadena;
  std::unique_ptr<Motor> motor = CrearMotor(ConnectionString);
  if (!motor) return ErrorAdo(ado::ErrorNoEspecificado, "Provider cannot be found. It may not be properly installed.");
  motor->FijarTiempoConexion(ConnectionTimeout);
  motor->FijarTiempoEspera(CommandTimeout);
  const ErrorSistema e = Registrar(motor->Abrir(ConnectionString, usuario, clave));
  if (e.HayError()) return e;
  // The date order comes first of all. A session whose date order could
  // not be set would read the program's dates wrongly, silently: it is not
  // used.
  if (const ErrorSistema f = Registrar(PrepararSesion(*motor, ConnectionString)); f.HayError()) {
    motor->Cerrar();
    return f;
  }
  motor->FijarNivelAislamiento(static_cast<int>(IsolationLevel));
  motor_ = std::move(motor);
  baseDatos_.clear();
  return {};
}

ErrorSistema Conexion::Close() {
  if (!motor_) return ErrorAdo(ado::ObjetoCerrado, "Operation is not allowed when the object is closed.");
  CerrarRecordsets();
  motor_->Cerrar();
  motor_.reset();
  return {};
}

ErrorSistema Conexion::Execute(const std::string& sql, long* filasAfectadas, Recordset* resultado) {
  if (filasAfectadas) *filasAfectadas = -1;
  if (!motor_) return Cerrada();
  motor_->FijarTiempoEspera(CommandTimeout);
  std::unique_ptr<Cursor> cursor;
  long filas = -1;
  const ErrorSistema e = Registrar(motor_->Ejecutar(sql, resultado ? &cursor : nullptr, &filas));
  if (filasAfectadas) *filasAfectadas = filas;
  if (e.HayError()) return e;
  if (resultado) {
    resultado->CancelUpdate();
    resultado->Close();
    if (cursor) return resultado->AbrirSobre(std::move(cursor), this, sql);
  }
  return {};
}

ErrorSistema Conexion::BeginTrans() {
  if (!motor_) return Cerrada();
  motor_->FijarNivelAislamiento(static_cast<int>(IsolationLevel));
  return Registrar(motor_->ComenzarTransaccion());
}

ErrorSistema Conexion::CommitTrans() { return motor_ ? Registrar(motor_->ConfirmarTransaccion()) : Cerrada(); }

ErrorSistema Conexion::RollbackTrans() { return motor_ ? Registrar(motor_->DeshacerTransaccion()) : Cerrada(); }

ErrorSistema Conexion::EsquemaTablas(std::vector<std::string>& nombres) {
  nombres.clear();
  return motor_ ? Registrar(motor_->Tablas(nombres)) : Cerrada();
}

ErrorSistema Conexion::EsquemaColumnas(const std::string& catalogo, const std::string& tabla,
                                       std::vector<std::string>& nombres) {
  nombres.clear();
  return motor_ ? Registrar(motor_->Columnas(catalogo, tabla, nombres)) : Cerrada();
}

ErrorSistema Conexion::FijarDefaultDatabase(const std::string& nombre) {
  if (!motor_) return Cerrada();
  const ErrorSistema e = Registrar(motor_->FijarBaseDatos(nombre));
  if (!e.HayError()) baseDatos_ = nombre;
  return e;
}
