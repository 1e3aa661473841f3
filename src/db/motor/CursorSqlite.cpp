#include "db/motor/CursorSqlite.h"

#include "db/motor/ErroresSqlite.h"

CursorSqlite::CursorSqlite(std::shared_ptr<ConexionSqlite> conexion, sqlite3_stmt* st, bool hayFila, std::string sql)
    : conexion_(std::move(conexion)), st_(st), sql_(std::move(sql)), pendiente_(hayFila), terminado_(!hayFila) {
  const int n = sqlite3_column_count(st_);
  for (int i = 0; i < n; ++i) {
    TipoDeclarado t = TipoDeDeclaracion(sqlite3_column_decltype(st_, i));
    if (t.lectura == LecturaColumna::Expresion && hayFila) {
      // An expression has no declared type: its first value tells.
      const auto* s = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
      const int clase = sqlite3_column_type(st_, i);
      t.tipoAdo = TipoAdoDeValor(clase, clase == SQLITE_TEXT && PareceFechaIso(s, sqlite3_column_bytes(st_, i)));
    }
    const char* nombre = sqlite3_column_name(st_, i);
    campos_.push_back({nombre ? nombre : "", t.tipoAdo, t.tamano});
    lecturas_.push_back(t.lectura);
  }
}

CursorSqlite::~CursorSqlite() { sqlite3_finalize(st_); }

bool CursorSqlite::Siguiente(Resultado& r) {
  if (pendiente_) {
    pendiente_ = false;
    return enFila_ = true;
  }
  enFila_ = false;
  if (terminado_) return false;
  const int rc = sqlite3_step(st_);
  if (rc == SQLITE_ROW) return enFila_ = true;
  terminado_ = true;
  if (rc != SQLITE_DONE) r = ErrorSqlite(conexion_->db, rc, sql_);
  sqlite3_reset(st_);  // lets go of the read lock at once
  return false;
}

Variant CursorSqlite::Valor(size_t c) const {
  if (!enFila_ || c >= campos_.size()) return {};
  const int i = int(c);
  switch (sqlite3_column_type(st_, i)) {
    case SQLITE_NULL: return Variant::Nulo();
    case SQLITE_INTEGER: {
      const sqlite3_int64 v = sqlite3_column_int64(st_, i);
      if (lecturas_[c] == LecturaColumna::Logico) return Variant::Booleano(v != 0);
      return Variant(static_cast<long long>(v));
    }
    case SQLITE_FLOAT: return Variant(sqlite3_column_double(st_, i));
    default: {
      const auto* s = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
      const int n = sqlite3_column_bytes(st_, i);
      if ((lecturas_[c] == LecturaColumna::Fecha || lecturas_[c] == LecturaColumna::Expresion) &&
          PareceFechaIso(s, n)) {
        if (auto f = LeerFechaIso(s, n)) return Variant(*f);
      }
      return Variant(std::string(s ? s : "", size_t(n)));
    }
  }
}
