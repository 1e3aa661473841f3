// Text functions with SQL Server's rules: LEN ignores trailing blanks,
// CHARINDEX ignores case (the ERP's databases use a case-insensitive
// collation) and answers 0 when absent, SUBSTRING counts a start before 1
// against the length.
#include <sqlite3.h>

#include <string>

#include "db/motor/funciones_sqlite/FuncionesSqlite.h"
#include "sivlib/Utf8.h"
#include "sivlib/Texto.h"

namespace funciones_sqlite {
namespace {

std::string Texto(sqlite3_value* v) {
  const unsigned char* t = sqlite3_value_text(v);
  return t ? std::string(reinterpret_cast<const char*>(t), size_t(sqlite3_value_bytes(v))) : std::string();
}

bool AlgunoNulo(int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i)
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
  return false;
}

void ResultadoTexto(sqlite3_context* ctx, const std::string& s) {
  sqlite3_result_text(ctx, s.data(), int(s.size()), SQLITE_TRANSIENT);
}

// Characters [desde, desde + largo) of s, both in characters, 0-based.
std::string Tramo(const std::string& s, long long desde, long long largo) {
  if (largo <= 0 || desde < 0) return {};
  const size_t a = utf8::BytesDeCaracteres(s, size_t(desde));
  const size_t b = utf8::BytesDeCaracteres(s, size_t(desde + largo));
  return s.substr(a, b - a);
}

void Len(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  sqlite3_result_int64(ctx, (sqlite3_int64)utf8::ContarCaracteres(texto::RecortadoDer(Texto(argv[0]))));
}

void CharIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  const std::string buscado = Texto(argv[0]), en = Texto(argv[1]);
  long long inicio = argc > 2 ? sqlite3_value_int64(argv[2]) : 1;
  if (inicio < 1) inicio = 1;
  if (buscado.empty()) return sqlite3_result_int(ctx, 0);
  const size_t p = texto::BuscarSinCaso(en, buscado, utf8::BytesDeCaracteres(en, size_t(inicio - 1)));
  sqlite3_result_int64(ctx, p == std::string::npos ? 0 : (sqlite3_int64)utf8::ContarCaracteres(en.substr(0, p)) + 1);
}

void Substring(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  const std::string s = Texto(argv[0]);
  const long long inicio = sqlite3_value_int64(argv[1]);
  const long long largo = argc > 2 ? sqlite3_value_int64(argv[2]) : (long long)utf8::ContarCaracteres(s);
  if (largo < 0) return sqlite3_result_error(ctx, "Invalid length parameter passed to the substring function.", -1);
  // Positions before 1 use up length, as in SQL Server.
  const long long fin = inicio + largo;  // exclusive, 1-based
  const long long desde = inicio < 1 ? 1 : inicio;
  ResultadoTexto(ctx, Tramo(s, desde - 1, fin - desde));
}

void Left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  ResultadoTexto(ctx, Tramo(Texto(argv[0]), 0, sqlite3_value_int64(argv[1])));
}

void Right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  const std::string s = Texto(argv[0]);
  const long long n = (long long)utf8::ContarCaracteres(s), largo = sqlite3_value_int64(argv[1]);
  ResultadoTexto(ctx, largo >= n ? s : Tramo(s, n - largo, largo));
}

void Replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  const std::string s = Texto(argv[0]);
  std::string r;
  for (long long i = sqlite3_value_int64(argv[1]); i > 0 && r.size() < 8000; --i) r += s;
  ResultadoTexto(ctx, r);
}

void Space(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  const long long n = sqlite3_value_int64(argv[0]);
  ResultadoTexto(ctx, std::string(size_t(n > 0 ? (n > 8000 ? 8000 : n) : 0), ' '));
}

}  // namespace

void RegistrarTexto(sqlite3* db) {
  const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  struct F {
    const char* nombre;
    int args;
    void (*f)(sqlite3_context*, int, sqlite3_value**);
  } fs[] = {{"LEN", 1, Len},
            {"CHARINDEX", 2, CharIndex},
            {"CHARINDEX", 3, CharIndex},
            {"SUBSTRING", 3, Substring},
            {"SUBSTRING", 2, Substring},
            {"LEFT_TSQL", 2, Left},
            {"RIGHT_TSQL", 2, Right},
            {"REPLICATE", 2, Replicate},
            {"SPACE", 1, Space}};
  for (const auto& f : fs) sqlite3_create_function(db, f.nombre, f.args, det, nullptr, f.f, nullptr, nullptr);
}

}  // namespace funciones_sqlite
