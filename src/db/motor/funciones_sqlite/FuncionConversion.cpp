// CONVERT(type, value[, style]) and CAST(value AS type) with SQL Server's
// results: texts cut to their length (30 when none is given), char padded,
// integers truncated, decimals rounded to their scale, money to 4 places,
// and dates read and written in the styles the program uses (103
// dd/mm/yyyy, 112 yyyymmdd, 108 hh:mi:ss, 120 ISO ...). Dates stay ISO text,
// the form this engine stores them in.
#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "db/motor/funciones_sqlite/FuncionesSqlite.h"
#include "sivlib/Utf8.h"
#include "db/motor/funciones_sqlite/ValoresTsql.h"
#include "sivlib/Texto.h"

namespace funciones_sqlite {
namespace {

struct TipoDestino {
  std::string base;
  long p1 = -1, p2 = -1;  // "(p1, p2)"; -1 when absent, -2 for MAX
};

TipoDestino LeerTipo(const std::string& t) {
  TipoDestino d;
  const std::string m = texto::Mayusculas(texto::Recortado(t));
  const size_t abre = m.find('(');
  d.base = texto::Recortado(m.substr(0, abre));
  if (abre != std::string::npos) {
    const std::string dentro = m.substr(abre + 1);
    d.p1 = texto::ContieneSinCaso(dentro, "MAX") ? -2 : std::strtol(dentro.c_str(), nullptr, 10);
    const size_t coma = dentro.find(',');
    if (coma != std::string::npos) d.p2 = std::strtol(dentro.c_str() + coma + 1, nullptr, 10);
  }
  return d;
}

bool Es(const TipoDestino& t, std::initializer_list<const char*> nombres) {
  for (const char* n : nombres)
    if (t.base == n) return true;
  return false;
}

const char* PatronDeEstilo(long estilo) {
  switch (estilo) {
    case 1: return "mm/dd/yy";
    case 3: return "dd/mm/yy";
    case 23: return "yyyy-mm-dd";
    case 101: return "mm/dd/yyyy";
    case 102: return "yyyy.mm.dd";
    case 103: return "dd/mm/yyyy";
    case 104: return "dd.mm.yyyy";
    case 105: return "dd-mm-yyyy";
    case 108: return "hh:nn:ss";
    case 111: return "yyyy/mm/dd";
    case 112: return "yyyymmdd";
    case 120: return "yyyy-mm-dd hh:nn:ss";
    case 121: return "yyyy-mm-dd hh:nn:ss.000";
    default: return nullptr;
  }
}

std::string TextoDeNumero(double d) {
  char buf[40];
  if (std::fabs(d) < 9e15 && d == std::trunc(d)) std::snprintf(buf, sizeof buf, "%lld", (long long)d);
  else std::snprintf(buf, sizeof buf, "%.15g", d);
  return buf;
}

std::string ComoTexto(sqlite3_value* v, long estilo) {
  const int clase = sqlite3_value_type(v);
  if (clase == SQLITE_INTEGER || clase == SQLITE_FLOAT) return TextoDeNumero(sqlite3_value_double(v));
  if (auto f = FechaIsoDe(v)) {
    if (const char* patron = PatronDeEstilo(estilo)) return f->Formato(patron);
  }
  return TextoDe(v);
}

std::optional<FechaHora> ComoFecha(sqlite3_value* v, long estilo) {
  const int clase = sqlite3_value_type(v);
  if (clase == SQLITE_INTEGER || clase == SQLITE_FLOAT)  // days since 1900-01-01, SQL Server's day zero
    return FechaHora::DesdeSerial(FechaHora{1900, 1, 1}.Serial() + sqlite3_value_double(v));
  const std::string s = texto::Recortado(TextoDe(v));
  if (estilo == 112 && s.size() == 8) {
    const int a = std::atoi(s.substr(0, 4).c_str()), m = std::atoi(s.substr(4, 2).c_str()),
              d = std::atoi(s.substr(6, 2).c_str());
    if (FechaHora::EsValida(a, m, d)) return FechaHora{a, m, d};
    return std::nullopt;
  }
  if (estilo == 101 || estilo == 1) {  // month first
    const size_t b1 = s.find('/'), b2 = s.find('/', b1 + 1);
    if (b1 == std::string::npos || b2 == std::string::npos) return std::nullopt;
    return FechaHora::DesdeTexto(s.substr(b1 + 1, b2 - b1 - 1) + "/" + s.substr(0, b1) + s.substr(b2));
  }
  if (auto f = FechaHora::DesdeIso(s)) return f;
  return FechaHora::DesdeTexto(s);
}

void Error(sqlite3_context* ctx, const std::string& e) { sqlite3_result_error(ctx, e.c_str(), int(e.size())); }

void Texto(sqlite3_context* ctx, const std::string& s) {
  sqlite3_result_text(ctx, s.data(), int(s.size()), SQLITE_TRANSIENT);
}

}  // namespace

void Convertir(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  sqlite3_value* v = argv[1];
  if (sqlite3_value_type(v) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const TipoDestino tipo = LeerTipo(TextoDe(argv[0]));
  const long estilo = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL ? long(sqlite3_value_int64(argv[2])) : -1;

  if (Es(tipo, {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT", "NTEXT", "SYSNAME"})) {
    std::string s = ComoTexto(v, estilo);
    const bool sinLimite = tipo.p1 == -2 || Es(tipo, {"TEXT", "NTEXT"});
    const long largo = tipo.p1 > 0 ? tipo.p1 : 30;
    if (!sinLimite) {
      s = s.substr(0, utf8::BytesDeCaracteres(s, size_t(largo)));
      if (Es(tipo, {"CHAR", "NCHAR"})) s += std::string(size_t(largo) - utf8::ContarCaracteres(s), ' ');
    }
    return Texto(ctx, s);
  }
  if (Es(tipo, {"DATETIME", "SMALLDATETIME", "DATE", "DATETIME2"})) {
    auto f = ComoFecha(v, estilo);
    if (!f) return Error(ctx, "Conversion failed when converting date and/or time from character string.");
    if (tipo.base == "DATE") f->hora = f->minuto = f->segundo = 0;
    return Texto(ctx, f->Iso());
  }
  const bool entero = Es(tipo, {"INT", "INTEGER", "SMALLINT", "TINYINT", "BIGINT"});
  const bool decimal = Es(tipo, {"DECIMAL", "NUMERIC", "MONEY", "SMALLMONEY", "FLOAT", "REAL", "DOUBLE"});
  if (entero || decimal || tipo.base == "BIT") {
    const auto n = NumeroDe(v);
    if (!n) return Error(ctx, ErrorDeConversion(TextoDe(v), texto::Minusculas(tipo.base).c_str()));
    if (tipo.base == "BIT") return sqlite3_result_int(ctx, *n != 0);
    if (entero) return sqlite3_result_int64(ctx, sqlite3_int64(std::trunc(*n)));
    long escala = -1;
    if (Es(tipo, {"DECIMAL", "NUMERIC"})) escala = tipo.p2 >= 0 ? tipo.p2 : 0;
    if (Es(tipo, {"MONEY", "SMALLMONEY"})) escala = 4;
    if (escala < 0) return sqlite3_result_double(ctx, *n);
    const double f = std::pow(10.0, double(escala));
    const double redondeado = std::round(*n * f) / f;
    if (escala == 0) return sqlite3_result_int64(ctx, sqlite3_int64(redondeado));
    return sqlite3_result_double(ctx, redondeado);
  }
  sqlite3_result_value(ctx, v);  // a type this engine does not know: unchanged
}

}  // namespace funciones_sqlite
