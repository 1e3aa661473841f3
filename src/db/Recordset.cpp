// Reading side of the recordset: open, stream rows, fields.
#include "db/Recordset.h"

#include "db/Conexion.h"
#include "sivlib/Texto.h"

namespace {

constexpr const char* kOrigenRecordset = "ADODB.Recordset";

ErrorSistema ErrorAdo(long numero, const char* descripcion) {
  return ErrorSistema{numero, descripcion, kOrigenRecordset};
}

}  // namespace

Recordset::~Recordset() { Vaciar(); }

long Recordset::State() const { return abierto_ ? estado_objeto::Abierto : estado_objeto::Cerrado; }

void Recordset::Vaciar() {
  if (conexion_) conexion_->Desvincular(this);
  conexion_ = nullptr;
  cursor_.reset();
  campos_.clear();
  filaPrevia_.clear();
  abierto_ = false;
  bof_ = eof_ = true;
  edicion_ = edicion_ado::Ninguna;
}

void Recordset::Soltar() {
  conexion_ = nullptr;  // the connection is already forgetting us
  Vaciar();
}

ErrorSistema Recordset::Open(const std::string& origen, Conexion* conexion, long cursorType, long lockType, long) {
  if (abierto_) return ErrorAdo(ado::ObjetoAbierto, "Operation is not allowed when the object is open.");
  if (cursorType != cursor_ado::NoEspecificado) CursorType = cursorType;
  if (lockType != bloqueo_ado::NoEspecificado) LockType = lockType;
  if (!conexion || conexion->State() != estado_objeto::Abierto)
    return ErrorAdo(ado::ConexionInutilizable,
                    "The connection cannot be used to perform this operation. It is either closed or invalid in "
                    "this context.");
  // Execute hands the engine's cursor over through AbrirSobre.
  return conexion->Execute(origen, nullptr, this);
}

ErrorSistema Recordset::AbrirSobre(std::unique_ptr<Cursor> cursor, Conexion* conexion, const std::string& origen) {
  Vaciar();
  cursor_ = std::move(cursor);
  conexion_ = conexion;
  conexion_->Vincular(this);
  origen_ = origen;
  abierto_ = true;
  for (const CampoInfo& info : cursor_->Campos()) campos_.emplace_back(info);
  const ErrorSistema e = Leer();
  bof_ = eof_;
  // Not an empty result: the records are on the connection for the caller.
  if (e.HayError()) Vaciar();
  return e;
}

ErrorSistema Recordset::Leer() {
  Resultado r;
  if (!cursor_ || !cursor_->Siguiente(r)) {
    eof_ = true;
    for (Campo& c : campos_) c.Cargar(Variant());
    if (cursor_ && conexion_) return conexion_->Registrar(r);
    return {};
  }
  eof_ = false;
  for (size_t i = 0; i < campos_.size(); ++i) campos_[i].Cargar(cursor_->Valor(i));
  return {};
}

ErrorSistema Recordset::Close() {
  if (!abierto_) return ErrorAdo(ado::ObjetoCerrado, "Operation is not allowed when the object is closed.");
  if (edicion_ != edicion_ado::Ninguna)
    return ErrorAdo(ado::ContextoInvalido, "Operation is not allowed in this context.");
  Vaciar();
  return {};
}

ErrorSistema Recordset::MoveNext() {
  if (!abierto_) return ErrorAdo(ado::ObjetoCerrado, "Operation is not allowed when the object is closed.");
  if (eof_)
    return ErrorAdo(ado::FinDeArchivo,
                    "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
                    "requires a current record.");
  // Moving away from an edited row saves it, as ADO does.
  if (edicion_ != edicion_ado::Ninguna) {
    if (ErrorSistema e = Update(); e.HayError()) return e;
  }
  bof_ = false;
  return Leer();
}

Campo* Recordset::Fields(const std::string& nombre) {
  for (Campo& c : campos_)
    if (texto::IgualesSinCaso(c.Name(), nombre)) return &c;
  return nullptr;
}

const Campo* Recordset::Fields(const std::string& nombre) const { return const_cast<Recordset*>(this)->Fields(nombre); }

Campo* Recordset::Fields(long indice) {
  return indice >= 0 && indice < FieldCount() ? &campos_[static_cast<size_t>(indice)] : nullptr;
}

Variant Recordset::Valor(const std::string& nombre, ErrorSistema* error) const {
  const Campo* c = Fields(nombre);
  if (!c) {
    if (error)
      *error = ErrorAdo(ado::ItemNoEncontrado,
                        "Item cannot be found in the collection corresponding to the "
                        "requested name or ordinal.");
    return Variant();
  }
  if (error && (eof_ || bof_) && edicion_ != edicion_ado::Agregando)
    *error = ErrorAdo(ado::FinDeArchivo,
                      "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
                      "requires a current record.");
  return c->Value();
}
