// SQL Server's "+": texts are joined, numbers added, a null gives null;
// a text meeting a number is read as a number (an error when it is not
// one), and a date plus a number moves the date by that many days.
#include <sqlite3.h>

#include <cmath>

#include "db/motor/funciones_sqlite/FuncionesSqlite.h"
#include "db/motor/funciones_sqlite/ValoresTsql.h"

namespace funciones_sqlite {

static bool EsTexto(sqlite3_value* v) {
  const int t = sqlite3_value_type(v);
  return t == SQLITE_TEXT || t == SQLITE_BLOB;
}

void Sumar(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_value* a = argv[0];
  sqlite3_value* b = argv[1];
  if (sqlite3_value_type(a) == SQLITE_NULL || sqlite3_value_type(b) == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (EsTexto(a) && EsTexto(b)) {
    const std::string s = TextoDe(a) + TextoDe(b);
    return sqlite3_result_text(ctx, s.data(), int(s.size()), SQLITE_TRANSIENT);
  }
  sqlite3_value* texto = EsTexto(a) ? a : EsTexto(b) ? b : nullptr;
  sqlite3_value* numero = texto == a ? b : a;
  if (texto) {
    if (auto f = FechaIsoDe(texto)) {
      const std::string s = FechaHora::DesdeSerial(f->Serial() + sqlite3_value_double(numero)).Iso();
      return sqlite3_result_text(ctx, s.data(), int(s.size()), SQLITE_TRANSIENT);
    }
    if (!NumeroDe(texto)) {
      const std::string e = ErrorDeConversion(TextoDe(texto), "int");
      return sqlite3_result_error(ctx, e.c_str(), int(e.size()));
    }
  }
  const double x = *NumeroDe(a), y = *NumeroDe(b);
  const double suma = x + y;
  const bool enteros = sqlite3_value_numeric_type(a) == SQLITE_INTEGER &&
                       sqlite3_value_numeric_type(b) == SQLITE_INTEGER && std::fabs(suma) < 9e15;
  if (enteros) return sqlite3_result_int64(ctx, sqlite3_int64(suma));
  sqlite3_result_double(ctx, suma);
}

}  // namespace funciones_sqlite
