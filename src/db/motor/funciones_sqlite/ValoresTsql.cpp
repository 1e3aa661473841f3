#include "db/motor/funciones_sqlite/ValoresTsql.h"

#include <sqlite3.h>

#include <cstdlib>

#include "db/motor/TiposSqlite.h"
#include "sivlib/Texto.h"

namespace funciones_sqlite {

std::string TextoDe(sqlite3_value* v) {
  const unsigned char* t = sqlite3_value_text(v);
  return t ? std::string(reinterpret_cast<const char*>(t), size_t(sqlite3_value_bytes(v))) : std::string();
}

std::optional<double> NumeroDe(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return double(sqlite3_value_int64(v));
    case SQLITE_FLOAT: return sqlite3_value_double(v);
    case SQLITE_NULL: return std::nullopt;
    default: break;
  }
  const std::string s = texto::Recortado(TextoDe(v));
  if (s.empty()) return 0.0;  // SQL Server reads '' as 0
  char* fin = nullptr;
  const double d = std::strtod(s.c_str(), &fin);
  if (fin != s.c_str() + s.size()) return std::nullopt;
  return d;
}

std::optional<FechaHora> FechaIsoDe(sqlite3_value* v) {
  if (sqlite3_value_type(v) != SQLITE_TEXT) return std::nullopt;
  const std::string s = TextoDe(v);
  if (!PareceFechaIso(s.c_str(), int(s.size()))) return std::nullopt;
  return FechaHora::DesdeIso(s);
}

std::string ErrorDeConversion(const std::string& valor, const char* tipo) {
  return "Conversion failed when converting the varchar value '" + valor + "' to data type " + tipo + ".";
}

}  // namespace funciones_sqlite
