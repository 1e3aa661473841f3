#include "db/motor/MotorOdbc.h"

#include <iterator>

#include "db/motor/CadenaOdbc.h"
#include "db/motor/ConexionOdbc.h"
#include "db/motor/CursorOdbc.h"
#include "db/motor/DiagnosticosOdbc.h"
#include "db/motor/TextoAnchoOdbc.h"

namespace {

constexpr int kEsperaConexion = 15;  // ADO's default login time-out, seconds
constexpr int kEsperaComando = 30;   // ADO's default command time-out

// Warnings of one call added to those gathered so far.
void Sumar(Resultado& total, Resultado parte) {
  total.errores.insert(total.errores.end(), parte.errores.begin(), parte.errores.end());
  if (!parte.Ok() && total.Ok()) {
    total.numero = parte.numero;
    total.descripcion = parte.descripcion;
    total.origen = parte.origen;
  }
}

SQLUINTEGER AislamientoOdbc(int nivelAdo) {
  switch (nivelAdo) {
    case 256: return SQL_TXN_READ_UNCOMMITTED;
    case 65536: return SQL_TXN_REPEATABLE_READ;
    case 1048576: return SQL_TXN_SERIALIZABLE;
    default: return SQL_TXN_READ_COMMITTED;
  }
}

class MotorOdbc : public Motor {
 public:
  explicit MotorOdbc(TipoOdbc tipo) : tipo_(tipo) {}

  Resultado Abrir(const std::string& cadena, const std::string& usuario, const std::string& clave) override {
    Cerrar();
    auto c = std::make_shared<ConexionOdbc>();
    if (!OdbcOk(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &c->env))) return SinControlador();
    SQLSetEnvAttr(c->env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!OdbcOk(SQLAllocHandle(SQL_HANDLE_DBC, c->env, &c->dbc)))
      return ResultadoOdbc(SQL_ERROR, SQL_HANDLE_ENV, c->env);
    SQLSetConnectAttr(c->dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(esperaConexion_)), 0);
    std::basic_string<SQLWCHAR> odbc = TextoAncho(CadenaOdbc(tipo_, cadena, usuario, clave));
    SQLWCHAR salida[1024];
    SQLSMALLINT largo = 0;
    const SQLRETURN rc = SQLDriverConnectW(c->dbc, nullptr, odbc.data(), SQLSMALLINT(odbc.size()), salida,
                                           SQLSMALLINT(std::size(salida)), &largo, SQL_DRIVER_NOPROMPT);
    Resultado r = ResultadoOdbc(rc, SQL_HANDLE_DBC, c->dbc, MomentoOdbc::Conexion);
    if (!r.Ok()) return r;
    c->conectada = true;
    conexion_ = std::move(c);
    maximoActivos_ = LeerMaximoActivos();
    if (aislamiento_) FijarNivelAislamiento(aislamiento_);
    return r;
  }

  void Cerrar() override {
    conexion_.reset();
    nivelTransaccion_ = 0;
    maximoActivos_ = 0;
  }

  bool Abierto() const override { return conexion_ != nullptr; }

  Resultado Ejecutar(const std::string& sql, std::unique_ptr<Cursor>* cursor, long* filasAfectadas) override {
    if (cursor) cursor->reset();
    if (filasAfectadas) *filasAfectadas = -1;
    if (!conexion_) return ResultadoCerrado();
    SQLHSTMT st = SQL_NULL_HSTMT;
    Resultado total =
        ResultadoOdbc(SQLAllocHandle(SQL_HANDLE_STMT, conexion_->dbc, &st), SQL_HANDLE_DBC, conexion_->dbc);
    if (!total.Ok()) return total;
    SQLSetStmtAttr(st, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(esperaComando_)), 0);
    std::basic_string<SQLWCHAR> texto = TextoAncho(sql);
    SQLRETURN rc = SQLExecDirectW(st, texto.data(), SQLINTEGER(texto.size()));
    long afectadas = -1;
    // Each statement of a batch gives its own result: counts are added up,
    // the first one with rows is handed to the caller, as ADO does.
    while (true) {
      Sumar(total, ResultadoOdbc(rc, SQL_HANDLE_STMT, st));
      if (!total.Ok() || rc == SQL_NO_DATA) break;
      SQLSMALLINT columnas = 0;
      SQLNumResultCols(st, &columnas);
      if (columnas > 0 && cursor) {
        *cursor = std::make_unique<CursorOdbc>(conexion_, st);
        st = SQL_NULL_HSTMT;
        break;
      }
      SQLLEN n = -1;
      if (columnas == 0 && OdbcOk(SQLRowCount(st, &n)) && n >= 0) afectadas = (afectadas < 0 ? 0 : afectadas) + long(n);
      rc = SQLMoreResults(st);
    }
    if (st != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, st);
    if (filasAfectadas && total.Ok()) *filasAfectadas = afectadas;
    return total;
  }

  Resultado ComenzarTransaccion() override {
    if (!conexion_) return ResultadoCerrado();
    if (nivelTransaccion_ == 0) {
      Resultado r = Autocommit(false);
      if (!r.Ok()) return r;
    }
    ++nivelTransaccion_;
    return {};
  }

  Resultado ConfirmarTransaccion() override {
    if (!conexion_) return ResultadoCerrado();
    if (nivelTransaccion_ == 0) return SinTransaccion();
    if (--nivelTransaccion_ > 0) return {};
    Resultado r = ResultadoOdbc(SQLEndTran(SQL_HANDLE_DBC, conexion_->dbc, SQL_COMMIT), SQL_HANDLE_DBC, conexion_->dbc);
    Sumar(r, Autocommit(true));
    return r;
  }

  Resultado DeshacerTransaccion() override {
    if (!conexion_) return ResultadoCerrado();
    if (nivelTransaccion_ == 0) return SinTransaccion();
    nivelTransaccion_ = 0;
    Resultado r =
        ResultadoOdbc(SQLEndTran(SQL_HANDLE_DBC, conexion_->dbc, SQL_ROLLBACK), SQL_HANDLE_DBC, conexion_->dbc);
    Sumar(r, Autocommit(true));
    return r;
  }

  Resultado Tablas(std::vector<std::string>& nombres) override {
    return Esquema(nombres, 3, [](SQLHSTMT st) {
      std::basic_string<SQLWCHAR> tipos = TextoAncho("TABLE,VIEW");
      return SQLTablesW(st, nullptr, 0, nullptr, 0, nullptr, 0, tipos.data(), SQLSMALLINT(tipos.size()));
    });
  }

  Resultado Columnas(const std::string& catalogo, const std::string& tabla,
                     std::vector<std::string>& nombres) override {
    // The file-based drivers have no catalogs and refuse one.
    const bool conCatalogo = !catalogo.empty() && tipo_ == TipoOdbc::SqlServer;
    return Esquema(nombres, 4, [&](SQLHSTMT st) {
      std::basic_string<SQLWCHAR> c = TextoAncho(catalogo), t = TextoAncho(tabla);
      return SQLColumnsW(st, conCatalogo ? c.data() : nullptr, conCatalogo ? SQLSMALLINT(c.size()) : 0, nullptr, 0,
                         t.data(), SQLSMALLINT(t.size()), nullptr, 0);
    });
  }

  Resultado FijarBaseDatos(const std::string& nombre) override {
    if (!conexion_) return ResultadoCerrado();
    std::basic_string<SQLWCHAR> base = TextoAncho(nombre);
    return ResultadoOdbc(SQLSetConnectAttrW(conexion_->dbc, SQL_ATTR_CURRENT_CATALOG, base.data(),
                                            SQLINTEGER(base.size() * sizeof(SQLWCHAR))),
                         SQL_HANDLE_DBC, conexion_->dbc);
  }

  void FijarTiempoEspera(int segundos) override { esperaComando_ = segundos < 0 ? 0 : segundos; }
  void FijarTiempoConexion(int segundos) override { esperaConexion_ = segundos < 0 ? 0 : segundos; }
  void FijarNivelAislamiento(int nivelAdo) override {
    aislamiento_ = nivelAdo;
    if (conexion_)
      SQLSetConnectAttr(conexion_->dbc, SQL_ATTR_TXN_ISOLATION,
                        reinterpret_cast<SQLPOINTER>(SQLULEN(AislamientoOdbc(nivelAdo))), 0);
  }
  int ResultadosActivosMaximos() const override { return maximoActivos_; }

 private:
  // The driver's SQL_MAX_CONCURRENT_ACTIVITIES; a driver that does not
  // say is taken at its word of "no limit".
  int LeerMaximoActivos() const {
    SQLUSMALLINT maximo = 0;
    SQLSMALLINT largo = 0;
    if (!OdbcOk(SQLGetInfo(conexion_->dbc, SQL_MAX_CONCURRENT_ACTIVITIES, &maximo, sizeof maximo, &largo))) return 0;
    return maximo;
  }

  static Resultado SinControlador() {
    return ResultadoFallido(ado::ErrorNoEspecificado, "The ODBC driver manager could not be loaded.", "ODBC", "IM004",
                            0);
  }

  static Resultado SinTransaccion() {
    return ResultadoFallido(ado::ErrorNoEspecificado, "No transaction is active.", "ADODB.Connection", "25000", 3902);
  }

  Resultado Autocommit(bool activo) {
    return ResultadoOdbc(
        SQLSetConnectAttr(conexion_->dbc, SQL_ATTR_AUTOCOMMIT,
                          reinterpret_cast<SQLPOINTER>(activo ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), 0),
        SQL_HANDLE_DBC, conexion_->dbc);
  }

  template <class Llamada>
  Resultado Esquema(std::vector<std::string>& nombres, SQLUSMALLINT columna, Llamada llamada) {
    nombres.clear();
    if (!conexion_) return ResultadoCerrado();
    SQLHSTMT st = SQL_NULL_HSTMT;
    Resultado r = ResultadoOdbc(SQLAllocHandle(SQL_HANDLE_STMT, conexion_->dbc, &st), SQL_HANDLE_DBC, conexion_->dbc);
    if (!r.Ok()) return r;
    Sumar(r, ResultadoOdbc(llamada(st), SQL_HANDLE_STMT, st));
    while (r.Ok()) {
      const SQLRETURN rc = SQLFetch(st);
      if (rc == SQL_NO_DATA) break;
      if (!OdbcOk(rc)) {
        Sumar(r, ResultadoOdbc(rc, SQL_HANDLE_STMT, st));
        break;
      }
      SQLWCHAR nombre[512] = {0};
      SQLLEN ind = 0;
      SQLGetData(st, columna, SQL_C_WCHAR, nombre, sizeof nombre, &ind);
      if (ind != SQL_NULL_DATA) nombres.push_back(DesdeAncho(std::basic_string<SQLWCHAR>(nombre)));
    }
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    return r;
  }

  TipoOdbc tipo_;
  std::shared_ptr<ConexionOdbc> conexion_;
  int nivelTransaccion_ = 0;
  int esperaConexion_ = kEsperaConexion;
  int esperaComando_ = kEsperaComando;
  int aislamiento_ = 0;
  int maximoActivos_ = 0;
};

}  // namespace

std::unique_ptr<Motor> CrearMotorOdbc(TipoOdbc tipo) { return std::make_unique<MotorOdbc>(tipo); }
