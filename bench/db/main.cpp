// bench_db crear <file> <rows>        : writes a table of <rows> rows x 10 columns
// bench_db api <file>                 : reads it with the bare SQLite C API (texts as pointers)
// bench_db apicopia <file>            : the same, each text copied into a std::string, as a
//                                       caller that keeps a value past the next row must
// bench_db cursor <file>              : reads it through the embedded engine's cursor
// bench_db recordset <file>           : reads it through DB_Dll::AbrirRecordset
// Each reading prints: mode rows seconds peak-RSS-KiB checksum
#include <sqlite3.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "db/motor/ArchivoSqlite.h"
#include "db/motor/Motor.h"
#ifdef BENCH_CON_RECORDSET
#include "db/DB_Dll.h"
#include "db/Recordset.h"
#endif

namespace {

const char* kConsulta = "SELECT * FROM MV_BENCH";

long PicoKiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

int Crear(const std::string& ruta, long filas) {
  std::remove(ruta.c_str());
  if (!CrearBaseSqlite(ruta).Ok()) return 1;
  sqlite3* db = nullptr;
  sqlite3_open(ruta.c_str(), &db);
  sqlite3_exec(db,
               "CREATE TABLE MV_BENCH (Id int PRIMARY KEY, Codigo varchar(10), Descripcion varchar(50), "
               "Cantidad money, Precio decimal(18,2), Fecha datetime, Vendedor varchar(5), Anulado bit, "
               "Cuenta varchar(20), Secuencia int); BEGIN",
               nullptr, nullptr, nullptr);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO MV_BENCH VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &st, nullptr);
  char buf[64];
  for (long i = 0; i < filas; ++i) {
    sqlite3_bind_int64(st, 1, i);
    std::snprintf(buf, sizeof buf, "A%08ld", i);
    sqlite3_bind_text(st, 2, buf, -1, SQLITE_TRANSIENT);
    std::snprintf(buf, sizeof buf, "Articulo de prueba numero %ld", i);
    sqlite3_bind_text(st, 3, buf, -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(st, 4, double(i % 97) + 0.5);
    sqlite3_bind_double(st, 5, double(i % 1000) * 1.25);
    std::snprintf(buf, sizeof buf, "2026-%02ld-%02ld 10:%02ld:00", i % 12 + 1, i % 28 + 1, i % 60);
    sqlite3_bind_text(st, 6, buf, -1, SQLITE_TRANSIENT);
    std::snprintf(buf, sizeof buf, "V%ld", i % 50);
    sqlite3_bind_text(st, 7, buf, -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(st, 8, int(i % 2));
    sqlite3_bind_text(st, 9, "21101010029", -1, SQLITE_STATIC);
    sqlite3_bind_int64(st, 10, i * 3);
    sqlite3_step(st);
    sqlite3_reset(st);
  }
  sqlite3_finalize(st);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return 0;
}

// The bare API: every value of every row is read (texts as bytes, or
// copied when `copiar`).
double LeerApi(const std::string& ruta, long& filas, bool copiar) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, kConsulta, -1, &st, nullptr);
  double suma = 0;
  const int n = sqlite3_column_count(st);
  while (sqlite3_step(st) == SQLITE_ROW) {
    ++filas;
    for (int i = 0; i < n; ++i) {
      switch (sqlite3_column_type(st, i)) {
        case SQLITE_INTEGER: suma += double(sqlite3_column_int64(st, i)); break;
        case SQLITE_FLOAT: suma += sqlite3_column_double(st, i); break;
        case SQLITE_TEXT: {
          const unsigned char* t = sqlite3_column_text(st, i);
          const int largo = sqlite3_column_bytes(st, i);
          if (copiar) {
            const std::string s(reinterpret_cast<const char*>(t), size_t(largo));
            suma += double(s.size()) + static_cast<unsigned char>(s[0]);
          } else {
            suma += largo + t[0];
          }
          break;
        }
        default: break;
      }
    }
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
  return suma;
}

double Acumular(const Variant& v) {
  switch (v.tipo()) {
    case Variant::Tipo::Numero: return v.Numero();
    case Variant::Tipo::Booleano: return v.Logico();
    case Variant::Tipo::Texto: {
      const std::string s = v.Texto();
      return double(s.size()) + static_cast<unsigned char>(s[0]);
    }
    case Variant::Tipo::Fecha: return v.Fecha().dia;
    default: return 0;
  }
}

std::string Cadena(const std::string& ruta) { return "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + ruta + ";"; }

double LeerCursor(const std::string& ruta, long& filas) {
  auto m = CrearMotor(Cadena(ruta));
  if (!m->Abrir(Cadena(ruta), "", "").Ok()) return -1;
  std::unique_ptr<Cursor> c;
  if (!m->Ejecutar(kConsulta, &c, nullptr).Ok() || !c) return -1;
  Resultado r;
  double suma = 0;
  const size_t n = c->Campos().size();
  while (c->Siguiente(r)) {
    ++filas;
    for (size_t i = 0; i < n; ++i) suma += Acumular(c->Valor(i));
  }
  return suma;
}

#ifdef BENCH_CON_RECORDSET
double LeerRecordset(const std::string& ruta, long& filas) {
  DB_Dll d;
  d.gServidor = "sqlite";
  d.gDBName = ruta;
  d.OpenServerADODB(false, 3, Cadena(ruta), false, false);
  if (!d.gOpenFlag) return -1;
  Recordset rs;
  d.AbrirRecordset(kConsulta, rs);
  double suma = 0;
  const long n = 10;
  while (!rs.Eof()) {
    ++filas;
    for (long i = 0; i < n; ++i) suma += Acumular(rs.Fields(i)->Value());
    rs.MoveNext();
  }
  return suma;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_db crear|api|apicopia|cursor|recordset <file> [rows]\n");
    return 2;
  }
  const std::string modo = argv[1], ruta = argv[2];
  if (modo == "crear") return Crear(ruta, argc > 3 ? std::atol(argv[3]) : 1000000);
  long filas = 0;
  const auto inicio = std::chrono::steady_clock::now();
  double suma = -1;
  if (modo == "api") suma = LeerApi(ruta, filas, false);
  else if (modo == "apicopia") suma = LeerApi(ruta, filas, true);
  else if (modo == "cursor") suma = LeerCursor(ruta, filas);
#ifdef BENCH_CON_RECORDSET
  else if (modo == "recordset") suma = LeerRecordset(ruta, filas);
#endif
  else {
    std::printf("%-9s (not available in this build)\n", modo.c_str());
    return 0;
  }
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  std::printf("%-9s %8ld %8.3f %8ld %.0f\n", modo.c_str(), filas, s, PicoKiB(), suma);
  return suma < 0 ? 1 : 0;
}
