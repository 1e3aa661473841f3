// GETDATE and the date parts. Dates are stored as ISO text, so the clock
// is given in that form too.
#include <sqlite3.h>

#include "db/motor/funciones_sqlite/FuncionesSqlite.h"
#include "sivlib/FechaHora.h"

namespace funciones_sqlite {
namespace {

void GetDate(sqlite3_context* ctx, int, sqlite3_value**) {
  const std::string s = FechaHora::Ahora().Iso();
  sqlite3_result_text(ctx, s.c_str(), int(s.size()), SQLITE_TRANSIENT);
}

template <int FechaHora::*Parte>
void ParteDeFecha(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const unsigned char* t = sqlite3_value_text(argv[0]);
  if (!t) return sqlite3_result_null(ctx);
  const auto f = FechaHora::DesdeTexto(reinterpret_cast<const char*>(t));
  if (!f)
    return sqlite3_result_error(ctx, "Conversion failed when converting date and/or time from character string.", -1);
  sqlite3_result_int(ctx, (*f).*Parte);
}

}  // namespace

void RegistrarFecha(sqlite3* db) {
  // Not deterministic: the clock moves between statements.
  sqlite3_create_function(db, "GETDATE", 0, SQLITE_UTF8, nullptr, GetDate, nullptr, nullptr);
  const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  sqlite3_create_function(db, "YEAR", 1, det, nullptr, ParteDeFecha<&FechaHora::anio>, nullptr, nullptr);
  sqlite3_create_function(db, "MONTH", 1, det, nullptr, ParteDeFecha<&FechaHora::mes>, nullptr, nullptr);
  sqlite3_create_function(db, "DAY", 1, det, nullptr, ParteDeFecha<&FechaHora::dia>, nullptr, nullptr);
}

}  // namespace funciones_sqlite
