// Writing side of the recordset: AddNew / assign / Update / CancelUpdate.
// The engine only runs SQL text, so Update writes the INSERT, or the UPDATE
// of the changed fields, against the single table of the SELECT; the row to
// change is found by its original values and must be exactly one.
#include <vector>

#include "db/Conexion.h"
#include "db/Recordset.h"
#include "sivlib/Texto.h"

namespace {

constexpr const char* kOrigenRecordset = "ADODB.Recordset";
constexpr long kNoActualizable = 3251;
constexpr long kFilaNoEncontrada = -2147217864;

ErrorSistema ErrorAdo(long numero, const char* descripcion) {
  return ErrorSistema{numero, descripcion, kOrigenRecordset};
}

// A value as a SQL Server literal; dates in the day/month/year form the
// program writes everywhere.
std::string Literal(const Variant& v) {
  switch (v.tipo()) {
    case Variant::Tipo::Vacio:
    case Variant::Tipo::Nulo: return "NULL";
    case Variant::Tipo::Numero: return TextoDeNumero(v.Numero(), '.');
    case Variant::Tipo::Booleano: return v.Logico() ? "1" : "0";
    case Variant::Tipo::Fecha: return "'" + v.Fecha().Regional() + "'";
    case Variant::Tipo::Texto: break;
  }
  return "'" + texto::ReemplazarTodo(v.Texto(), "'", "''") + "'";
}

// Columns whose stored value cannot be matched reliably by a literal.
bool SirveParaUbicar(const Campo& c) {
  switch (c.Type()) {
    case tipo_ado::Single:
    case tipo_ado::Double:
    case tipo_ado::Binary:
    case tipo_ado::VarBinary:
    case tipo_ado::LongVarBinary: return false;
    default: return true;
  }
}

std::string Condicion(const Campo& c) {
  const Variant& v = c.OriginalValue();
  if (v.EsNulo() || v.EsVacio()) return c.Name() + " IS NULL";
  return c.Name() + " = " + Literal(v);
}

// The next word of `s` from `desde`, skipping blanks.
std::string Palabra(const std::string& s, size_t desde) {
  while (desde < s.size() && (s[desde] == ' ' || s[desde] == '\t' || s[desde] == '\r' || s[desde] == '\n')) ++desde;
  size_t fin = desde;
  while (fin < s.size() && s[fin] != ' ' && s[fin] != '\t' && s[fin] != '\r' && s[fin] != '\n' && s[fin] != ',' &&
         s[fin] != ';' && s[fin] != '(')
    ++fin;
  return s.substr(desde, fin - desde);
}

}  // namespace

std::string Recordset::TablaOrigen() const {
  const std::string s = texto::ReemplazarTodo(texto::ReemplazarTodo(origen_, "\r", " "), "\n", " ");
  if (!texto::EmpiezaSinCaso(texto::Recortado(s), "SELECT ")) return {};
  const size_t desde = texto::BuscarSinCaso(s, " FROM ");
  if (desde == std::string::npos) return {};
  const std::string tabla = Palabra(s, desde + 6);
  // Joins and table lists have no single table to write to.
  const std::string resto = s.substr(desde + 6);
  if (texto::ContieneSinCaso(resto, " JOIN ")) return {};
  const size_t donde = texto::BuscarSinCaso(resto, " WHERE ");
  const std::string tablas = resto.substr(0, donde);
  if (tablas.find(',') != std::string::npos) return {};
  return tabla;
}

ErrorSistema Recordset::Editable() const {
  if (!abierto_) return ErrorAdo(ado::ObjetoCerrado, "Operation is not allowed when the object is closed.");
  if (LockType == bloqueo_ado::SoloLectura || TablaOrigen().empty())
    return ErrorAdo(kNoActualizable,
                    "Current Recordset does not support updating. This may be a limitation of the "
                    "provider, or of the selected locktype.");
  return {};
}

ErrorSistema Recordset::AddNew() {
  if (ErrorSistema e = Editable(); e.HayError()) return e;
  if (edicion_ != edicion_ado::Ninguna) {
    if (ErrorSistema e = Update(); e.HayError()) return e;
  }
  filaPrevia_.clear();
  for (Campo& c : campos_) {
    filaPrevia_.push_back(c.OriginalValue());
    c.Cargar(Variant::Nulo());
  }
  bofPrevio_ = bof_;
  eofPrevio_ = eof_;
  edicion_ = edicion_ado::Agregando;
  return {};
}

ErrorSistema Recordset::Asignar(const std::string& nombre, const Variant& valor) {
  Campo* c = Fields(nombre);
  if (!c)
    return ErrorAdo(ado::ItemNoEncontrado,
                    "Item cannot be found in the collection corresponding to the requested name or ordinal.");
  if (edicion_ == edicion_ado::Ninguna) {
    if (ErrorSistema e = Editable(); e.HayError()) return e;
    if (bof_ || eof_)
      return ErrorAdo(ado::FinDeArchivo,
                      "Either BOF or EOF is True, or the current record has been deleted. "
                      "Requested operation requires a current record.");
    edicion_ = edicion_ado::EnCurso;
  }
  c->Asignar(valor);
  return {};
}

ErrorSistema Recordset::Update() {
  if (edicion_ == edicion_ado::Ninguna) return {};
  std::vector<std::string> nombres, valores, ubicacion;
  for (const Campo& c : campos_) {
    if (c.Cambiado()) {
      nombres.push_back(c.Name());
      valores.push_back(Literal(c.Value()));
    }
    if (SirveParaUbicar(c)) ubicacion.push_back(Condicion(c));
  }
  const std::string tabla = TablaOrigen();
  auto unir = [](const std::vector<std::string>& partes, const std::string& sep) {
    std::string r;
    for (size_t i = 0; i < partes.size(); ++i) r += (i ? sep : "") + partes[i];
    return r;
  };

  std::string sql;
  if (edicion_ == edicion_ado::Agregando) {
    sql = nombres.empty()
              ? "INSERT INTO " + tabla + " DEFAULT VALUES"
              : "INSERT INTO " + tabla + " (" + unir(nombres, ", ") + ") VALUES (" + unir(valores, ", ") + ")";
  } else if (!nombres.empty()) {
    const std::string donde = ubicacion.empty() ? "" : " WHERE " + unir(ubicacion, " AND ");
    // Changing more than the row that was read would corrupt other rows.
    Recordset cuenta;
    if (ErrorSistema e = cuenta.Open("SELECT COUNT(*) FROM " + tabla + donde, conexion_); e.HayError()) return e;
    const double filas = cuenta.FieldCount() ? cuenta.Fields(0L)->Value().Numero() : 0;
    cuenta.Close();
    if (filas != 1)
      return ErrorAdo(kFilaNoEncontrada, filas == 0 ? "Row cannot be located for updating. Some values may have "
                                                      "been changed since it was last read."
                                                    : "Key column information is insufficient or incorrect. Too "
                                                      "many rows were affected by update.");
    std::vector<std::string> asignaciones;
    for (size_t i = 0; i < nombres.size(); ++i) asignaciones.push_back(nombres[i] + " = " + valores[i]);
    sql = "UPDATE " + tabla + " SET " + unir(asignaciones, ", ") + donde;
  }
  if (!sql.empty()) {
    if (!conexion_) return ErrorAdo(ado::ObjetoCerrado, "Operation is not allowed when the object is closed.");
    if (ErrorSistema e = conexion_->Execute(sql); e.HayError()) return e;
  }
  // The saved row becomes the current one.
  for (Campo& c : campos_) c.Cargar(c.Value());
  if (edicion_ == edicion_ado::Agregando) bof_ = eof_ = false;
  edicion_ = edicion_ado::Ninguna;
  filaPrevia_.clear();
  return {};
}

ErrorSistema Recordset::CancelUpdate() {
  if (edicion_ == edicion_ado::Agregando) {
    for (size_t i = 0; i < campos_.size() && i < filaPrevia_.size(); ++i) campos_[i].Cargar(filaPrevia_[i]);
    bof_ = bofPrevio_;
    eof_ = eofPrevio_;
  } else {
    for (Campo& c : campos_) c.Descartar();
  }
  filaPrevia_.clear();
  edicion_ = edicion_ado::Ninguna;
  return {};
}
