#include "db/motor/MotorSqlite.h"

#include <initializer_list>

#include "db/motor/ArchivoSqlite.h"
#include "db/motor/BasesSqlite.h"
#include "db/motor/ConexionSqlite.h"
#include "db/motor/CursorSqlite.h"
#include "db/motor/EleccionMotor.h"
#include "db/motor/ErroresSqlite.h"
#include "db/motor/EsquemaSqlite.h"
#include "db/motor/ProcedimientosSqlite.h"
#include "db/motor/VistasSqlite.h"
#include "db/motor/dialecto_sqlite/Lote.h"
#include "db/motor/funciones_sqlite/FuncionesSqlite.h"
#include "sivlib/Texto.h"

using namespace dialecto_sqlite;

namespace {

constexpr int kEsperaPorDefecto = 30;  // ADO's default command time-out, seconds

class MotorSqlite : public Motor {
 public:
  Resultado Abrir(const std::string& cadena, const std::string&, const std::string&) override {
    Cerrar();
    const std::string nombre = BaseDeCadena(cadena);
    if (nombre.empty() || !ExisteBaseSqlite(nombre)) return BaseInexistente(nombre);
    return AbrirArchivo(nombre);
  }

  // SQL Server's USE and default database: here, the connection moves to
  // the database's own file; the current one stays open when that fails.
  Resultado CambiarBase(const std::string& nombre) {
    if (!conexion_) return ResultadoCerrado();
    if (EsLaMismaBase(nombre, ruta_)) return {};
    // Another file cannot take over an open transaction.
    if (nivelTransaccion_ > 0 || !sqlite3_get_autocommit(conexion_->db))
      return ErrorMotor(ado::ErrorEnComando, 226, "25000",
                        "USE statement not allowed within multi-statement transaction.");
    if (!ExisteBaseSqlite(nombre)) return BaseNoExiste(nombre);
    return AbrirArchivo(nombre);
  }

  Resultado AbrirArchivo(const std::string& nombre) {
    const std::string ruta = UbicarBaseSqlite(nombre);
    auto c = std::make_shared<ConexionSqlite>();
    // One connection serves one thread at a time (the program has one):
    // without the per-call mutex, reading a value costs half as much.
    int rc = sqlite3_open_v2(ruta.c_str(), &c->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    // The first read waits for a lock as every later statement does: a
    // database another program holds for a moment is no failed login.
    if (rc == SQLITE_OK) sqlite3_busy_timeout(c->db, espera_ * 1000);
    // A file that is not a database shows only at its first read.
    if (rc == SQLITE_OK) rc = sqlite3_exec(c->db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(c->db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return FalloAlAbrir(nombre, c->db, rc);
    sqlite3_extended_result_codes(c->db, 1);
    RegistrarFuncionesSqlServer(c->db);
    Cerrar();
    conexion_ = std::move(c);
    ruta_ = ruta;
    esquema_.Conectar(conexion_->db);
    FijarTiempoEspera(espera_);
    if (EsRutaDeBase(nombre)) RecordarBasePrincipal(ruta);
    return {};
  }

  void Cerrar() override {
    esquema_.Conectar(nullptr);
    conexion_.reset();
    nivelTransaccion_ = 0;
  }

  bool Abierto() const override { return conexion_ != nullptr; }

  Resultado Ejecutar(const std::string& sql, std::unique_ptr<Cursor>* cursor, long* filasAfectadas) override {
    if (cursor) cursor->reset();
    if (filasAfectadas) *filasAfectadas = -1;
    if (!conexion_) return ResultadoCerrado();
    const std::vector<std::string> lote = DividirLote(sql);
    const EsquemaDeTablas esquema = [this](const std::string& tabla) { return esquema_.Columnas(tabla); };
    long afectadas = -1;
    for (size_t i = 0; i < lote.size(); ++i) {
      const bool ultima = i + 1 == lote.size();
      // Translated only now: it reads the schema the earlier statements left.
      const Sentencia s = ClasificarSentencia(lote[i], esquema);
      Resultado r = EjecutarUna(s, ultima ? cursor : nullptr, afectadas);
      if (EmpiezaCon(s.original, {"CREATE", "ALTER", "DROP"})) esquema_.Olvidar();
      if (!r.Ok()) return r;
    }
    if (filasAfectadas) *filasAfectadas = afectadas;
    return {};
  }

  // SQL Server nests BEGIN TRANSACTION: only the outermost COMMIT commits,
  // and a ROLLBACK undoes everything.
  Resultado ComenzarTransaccion() override {
    if (!conexion_) return ResultadoCerrado();
    SincronizarTransaccion();
    if (nivelTransaccion_ == 0) {
      Resultado r = Directa("BEGIN");
      if (!r.Ok()) return r;
    }
    ++nivelTransaccion_;
    return {};
  }

  Resultado ConfirmarTransaccion() override {
    if (!conexion_) return ResultadoCerrado();
    SincronizarTransaccion();
    if (nivelTransaccion_ == 0)
      return ErrorMotor(ado::ErrorNoEspecificado, 3902, "25000",
                        "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.");
    if (nivelTransaccion_ == 1) {
      Resultado r = Directa("COMMIT");
      if (!r.Ok()) return r;
    }
    --nivelTransaccion_;
    return {};
  }

  Resultado DeshacerTransaccion() override {
    if (!conexion_) return ResultadoCerrado();
    SincronizarTransaccion();
    if (nivelTransaccion_ == 0)
      return ErrorMotor(ado::ErrorNoEspecificado, 3903, "25000",
                        "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION.");
    nivelTransaccion_ = 0;
    esquema_.Olvidar();  // tables created in the transaction are gone
    return Directa("ROLLBACK");
  }

  Resultado Tablas(std::vector<std::string>& nombres) override {
    nombres.clear();
    return Lista(
        "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND name NOT LIKE 'sqlite_%' "
        "ORDER BY name",
        {}, 0, nombres);
  }

  Resultado Columnas(const std::string&, const std::string& tabla, std::vector<std::string>& nombres) override {
    nombres.clear();
    std::string t = tabla;
    if (texto::EmpiezaSinCaso(t, "dbo.")) t.erase(0, 4);
    return Lista("SELECT name FROM pragma_table_info(?1)", t, 0, nombres);
  }

  Resultado FijarBaseDatos(const std::string& nombre) override { return CambiarBase(nombre); }

  void FijarTiempoEspera(int segundos) override {
    // ADO's 0 means "wait as long as it takes"; a lock still must not hang
    // the program for ever, so it becomes ten minutes.
    espera_ = segundos > 0 ? segundos : 600;
    if (conexion_) sqlite3_busy_timeout(conexion_->db, espera_ * 1000);
  }
  void FijarTiempoConexion(int) override {}
  void FijarNivelAislamiento(int) override {}

 private:
  static Resultado BaseInexistente(const std::string& nombre) {
    return ErrorMotor(ado::ErrorNoEspecificado, 4060, "42000",
                      "Cannot open database \"" + nombre + "\" requested by the login. The login failed.");
  }

  // The login's failure carries the engine's own reason ("database is
  // locked", "file is not a database", "database disk image is
  // malformed"): the operator reads the first provider error only.
  static Resultado FalloAlAbrir(const std::string& nombre, sqlite3* db, int codigo) {
    Resultado r = ErrorSqlite(db, codigo, "");
    ErrorProveedor login = BaseInexistente(nombre).errores.front();
    login.descripcion += " (" + std::string(db ? sqlite3_errmsg(db) : sqlite3_errstr(codigo)) + ")";
    r.errores.insert(r.errores.begin(), login);
    return r;
  }

  Resultado CrearBase(const std::string& nombre) {
    Resultado r = CrearBaseSqlite(nombre);
    if (r.Ok()) procedimientos_.BaseCreada(RutaBaseSqlite(nombre));
    return r;
  }

  // SQLite ends a transaction by itself after some failures.
  void SincronizarTransaccion() {
    if (sqlite3_get_autocommit(conexion_->db)) nivelTransaccion_ = 0;
  }

  Resultado Directa(const char* sql) {
    const int rc = sqlite3_exec(conexion_->db, sql, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Resultado{} : ErrorSqlite(conexion_->db, rc, sql);
  }

  Resultado EjecutarUna(const Sentencia& s, std::unique_ptr<Cursor>* cursor, long& afectadas) {
    switch (s.clase) {
      case ClaseSentencia::Comenzar: return ComenzarTransaccion();
      case ClaseSentencia::Confirmar: return ConfirmarTransaccion();
      case ClaseSentencia::Deshacer: return DeshacerTransaccion();
      case ClaseSentencia::SinEfecto: return {};
      case ClaseSentencia::CrearBase: return CrearBase(s.texto);
      case ClaseSentencia::Usar: return CambiarBase(s.texto);
      case ClaseSentencia::Procedimiento: return procedimientos_.Ejecutar(s.original, ruta_);
      case ClaseSentencia::Sql: break;
    }
    sqlite3_stmt* st = nullptr;
    const char* resto = nullptr;
    int rc = sqlite3_prepare_v2(conexion_->db, s.texto.c_str(), int(s.texto.size()), &st, &resto);
    if (rc != SQLITE_OK) return ErrorSqlite(conexion_->db, rc, s.original);
    if (!st) return {};  // only blanks or comments
    const bool devuelveFilas = sqlite3_column_count(st) > 0;
    rc = sqlite3_step(st);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
      Resultado r = ErrorSqlite(conexion_->db, rc, s.original);
      sqlite3_finalize(st);
      return r;
    }
    if (devuelveFilas && cursor) {
      *cursor = std::make_unique<CursorSqlite>(conexion_, st, rc == SQLITE_ROW, s.original);
      return {};
    }
    while (rc == SQLITE_ROW) rc = sqlite3_step(st);
    Resultado r = rc == SQLITE_DONE ? Resultado{} : ErrorSqlite(conexion_->db, rc, s.original);
    if (r.Ok() && !devuelveFilas && EsEscritura(s.original))
      afectadas = (afectadas < 0 ? 0 : afectadas) + sqlite3_changes(conexion_->db);
    sqlite3_finalize(st);
    return r.Ok() ? ComprobarVistaCreada(conexion_->db, s.texto, s.original) : r;
  }

  static bool EmpiezaCon(const std::string& sql, std::initializer_list<const char*> palabras) {
    const std::string s = texto::RecortadoIzq(texto::ReemplazarTodo(texto::ReemplazarTodo(sql, "\r", " "), "\n", " "));
    for (const char* p : palabras)
      if (texto::EmpiezaSinCaso(s, p)) return true;
    return false;
  }

  static bool EsEscritura(const std::string& sql) { return EmpiezaCon(sql, {"INSERT", "UPDATE", "DELETE"}); }

  Resultado Lista(const char* sql, const std::string& parametro, int columna, std::vector<std::string>& out) {
    if (!conexion_) return ResultadoCerrado();
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(conexion_->db, sql, -1, &st, nullptr);
    if (rc != SQLITE_OK) return ErrorSqlite(conexion_->db, rc, sql);
    if (!parametro.empty()) sqlite3_bind_text(st, 1, parametro.c_str(), -1, SQLITE_TRANSIENT);
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
      out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, columna)));
    Resultado r = rc == SQLITE_DONE ? Resultado{} : ErrorSqlite(conexion_->db, rc, sql);
    sqlite3_finalize(st);
    return r;
  }

  std::shared_ptr<ConexionSqlite> conexion_;
  std::string ruta_;  // the file open
  ProcedimientosSqlite procedimientos_;
  EsquemaSqlite esquema_;
  int nivelTransaccion_ = 0;
  int espera_ = kEsperaPorDefecto;
};

}  // namespace

std::unique_ptr<Motor> CrearMotorSqlite() { return std::make_unique<MotorSqlite>(); }
