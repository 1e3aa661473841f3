#include "db/motor/TiposSqlite.h"

#include <sqlite3.h>

#include <cstdlib>
#include <cstring>

#include "sivlib/Texto.h"

namespace {

// The number inside "(...)" of "varchar(50)"; 0 when none, -1 for MAX.
long Largo(const std::string& d) {
  const size_t p = d.find('(');
  if (p == std::string::npos) return 0;
  if (texto::ContieneSinCaso(d.substr(p), "MAX")) return -1;
  return std::strtol(d.c_str() + p + 1, nullptr, 10);
}

}  // namespace

TipoDeclarado TipoDeDeclaracion(const char* declarado) {
  if (!declarado || !*declarado) return {tipo_ado::VarWChar, 0, LecturaColumna::Expresion};
  const std::string d = texto::Mayusculas(texto::Recortado(declarado));
  const std::string base = texto::Recortado(d.substr(0, d.find('(')));
  const long largo = Largo(d);
  struct Fijo {
    const char* nombre;
    int tipo;
    long tamano;
    LecturaColumna lectura;
  };
  static const Fijo fijos[] = {
      {"INT", tipo_ado::Integer, 4, LecturaColumna::Valor},
      {"INTEGER", tipo_ado::Integer, 4, LecturaColumna::Valor},
      {"SMALLINT", tipo_ado::SmallInt, 2, LecturaColumna::Valor},
      {"TINYINT", tipo_ado::TinyInt, 1, LecturaColumna::Valor},
      {"BIGINT", tipo_ado::BigInt, 8, LecturaColumna::Valor},
      {"BIT", tipo_ado::Boolean, 2, LecturaColumna::Logico},
      {"MONEY", tipo_ado::Currency, 8, LecturaColumna::Valor},
      {"SMALLMONEY", tipo_ado::Currency, 8, LecturaColumna::Valor},
      {"FLOAT", tipo_ado::Double, 8, LecturaColumna::Valor},
      {"DOUBLE", tipo_ado::Double, 8, LecturaColumna::Valor},
      {"REAL", tipo_ado::Single, 4, LecturaColumna::Valor},
      {"DECIMAL", tipo_ado::Numeric, 19, LecturaColumna::Valor},
      {"NUMERIC", tipo_ado::Numeric, 19, LecturaColumna::Valor},
      {"DATETIME", tipo_ado::DBTimeStamp, 16, LecturaColumna::Fecha},
      {"SMALLDATETIME", tipo_ado::DBTimeStamp, 16, LecturaColumna::Fecha},
      {"DATETIME2", tipo_ado::DBTimeStamp, 16, LecturaColumna::Fecha},
      {"DATE", tipo_ado::DBDate, 6, LecturaColumna::Fecha},
      {"TEXT", tipo_ado::LongVarChar, 2147483647, LecturaColumna::Valor},
      {"NTEXT", tipo_ado::LongVarWChar, 1073741823, LecturaColumna::Valor},
      {"IMAGE", tipo_ado::LongVarBinary, 2147483647, LecturaColumna::Valor},
      {"BLOB", tipo_ado::LongVarBinary, 2147483647, LecturaColumna::Valor},
      {"UNIQUEIDENTIFIER", 72, 16, LecturaColumna::Valor},
  };
  for (const auto& f : fijos)
    if (base == f.nombre) return {f.tipo, f.tamano, f.lectura};
  struct Texto {
    const char* nombre;
    int tipo;
  };
  static const Texto textos[] = {{"VARCHAR", tipo_ado::VarChar},     {"NVARCHAR", tipo_ado::VarWChar},
                                 {"CHAR", tipo_ado::Char},           {"NCHAR", tipo_ado::WChar},
                                 {"VARBINARY", tipo_ado::VarBinary}, {"BINARY", tipo_ado::Binary},
                                 {"SYSNAME", tipo_ado::VarWChar}};
  for (const auto& t : textos) {
    if (base != t.nombre) continue;
    if (largo < 0)
      return {t.tipo == tipo_ado::VarChar    ? tipo_ado::LongVarChar
              : t.tipo == tipo_ado::VarWChar ? tipo_ado::LongVarWChar
                                             : tipo_ado::LongVarBinary,
              2147483647, LecturaColumna::Valor};
    return {t.tipo, largo ? largo : (base == "SYSNAME" ? 128 : 1), LecturaColumna::Valor};
  }
  // SQLite's own affinity rules for any other name.
  if (texto::ContieneSinCaso(d, "INT")) return {tipo_ado::Integer, 4, LecturaColumna::Valor};
  if (texto::ContieneSinCaso(d, "CHAR") || texto::ContieneSinCaso(d, "CLOB") || texto::ContieneSinCaso(d, "TEXT"))
    return {tipo_ado::VarWChar, largo, LecturaColumna::Valor};
  return {tipo_ado::Numeric, 19, LecturaColumna::Valor};
}

int TipoAdoDeValor(int clase, bool pareceFecha) {
  switch (clase) {
    case SQLITE_INTEGER: return tipo_ado::BigInt;
    case SQLITE_FLOAT: return tipo_ado::Double;
    case SQLITE_BLOB: return tipo_ado::LongVarBinary;
    case SQLITE_TEXT: return pareceFecha ? tipo_ado::DBTimeStamp : tipo_ado::VarWChar;
    default: return tipo_ado::VarWChar;
  }
}

bool PareceFechaIso(const char* s, int n) {
  if (!s || (n != 10 && n != 19)) return false;
  auto dig = [&](int i) { return s[i] >= '0' && s[i] <= '9'; };
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!dig(i)) return false;
  if (s[4] != '-' || s[7] != '-') return false;
  if (n == 10) return true;
  return s[10] == ' ' && dig(11) && dig(12) && s[13] == ':' && dig(14) && dig(15) && s[16] == ':' && dig(17) && dig(18);
}

std::optional<FechaHora> LeerFechaIso(const char* s, int n) {
  auto num = [&](int i, int digitos) {
    int v = 0;
    for (int k = 0; k < digitos; ++k) v = v * 10 + (s[i + k] - '0');
    return v;
  };
  FechaHora f;
  f.anio = num(0, 4), f.mes = num(5, 2), f.dia = num(8, 2);
  if (!FechaHora::EsValida(f.anio, f.mes, f.dia)) return std::nullopt;
  if (n == 19) {
    f.hora = num(11, 2), f.minuto = num(14, 2), f.segundo = num(17, 2);
    if (f.hora > 23 || f.minuto > 59 || f.segundo > 59) return std::nullopt;
  }
  return f;
}
