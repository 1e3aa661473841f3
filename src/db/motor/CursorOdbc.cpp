#include "db/motor/CursorOdbc.h"

#include <iterator>

#include "db/motor/DiagnosticosOdbc.h"
#include "db/motor/TextoAnchoOdbc.h"

namespace {

std::string ATexto(std::string s) { return s; }
std::string ATexto(const std::basic_string<SQLWCHAR>& s) { return DesdeAncho(s); }

// A long value in pieces, as long as they come: bytes (SQL_C_BINARY) or
// wide characters (SQL_C_WCHAR, each piece ended by a terminator).
template <class T>
Variant LeerPiezas(SQLHSTMT st, SQLUSMALLINT col, SQLSMALLINT tipoC, Resultado& r) {
  std::basic_string<T> valor;
  T buf[2048];
  const size_t util = std::size(buf) - (tipoC == SQL_C_BINARY ? 0 : 1);
  while (true) {
    SQLLEN ind = 0;
    const SQLRETURN rc = SQLGetData(st, col, tipoC, buf, sizeof buf, &ind);
    if (rc == SQL_NO_DATA) break;
    if (!OdbcOk(rc)) {
      r = ResultadoOdbc(rc, SQL_HANDLE_STMT, st);
      return {};
    }
    if (ind == SQL_NULL_DATA) return Variant::Nulo();
    const size_t n = ind == SQL_NO_TOTAL || size_t(ind) / sizeof(T) > util ? util : size_t(ind) / sizeof(T);
    valor.append(buf, n);
    if (rc == SQL_SUCCESS) break;
  }
  return Variant(ATexto(std::move(valor)));
}

}  // namespace

CampoInfo CampoDeOdbc(const std::string& nombre, SQLSMALLINT t, SQLULEN tamano, SQLSMALLINT decimales) {
  auto texto = [&](int tipo) { return CampoInfo{nombre, tipo, long(tamano)}; };
  switch (t) {
    case SQL_CHAR: return texto(tipo_ado::Char);
    case SQL_VARCHAR: return texto(tipo_ado::VarChar);
    case SQL_LONGVARCHAR: return texto(tipo_ado::LongVarChar);
    case SQL_WCHAR: return texto(tipo_ado::WChar);
    case SQL_WVARCHAR: return texto(tipo_ado::VarWChar);
    case SQL_WLONGVARCHAR: return texto(tipo_ado::LongVarWChar);
    case SQL_BINARY: return texto(tipo_ado::Binary);
    case SQL_VARBINARY: return texto(tipo_ado::VarBinary);
    case SQL_LONGVARBINARY: return texto(tipo_ado::LongVarBinary);
    case SQL_DECIMAL:
    case SQL_NUMERIC:
      // SQL Server's money and smallmoney arrive as decimals of scale 4.
      if (decimales == 4 && (tamano == 19 || tamano == 10)) return {nombre, tipo_ado::Currency, 8};
      return {nombre, tipo_ado::Numeric, 19};
    case SQL_SMALLINT: return {nombre, tipo_ado::SmallInt, 2};
    case SQL_INTEGER: return {nombre, tipo_ado::Integer, 4};
    case SQL_TINYINT: return {nombre, 17, 1};  // SQL Server's tinyint is unsigned
    case SQL_BIGINT: return {nombre, tipo_ado::BigInt, 8};
    case SQL_REAL: return {nombre, tipo_ado::Single, 4};
    case SQL_FLOAT:
    case SQL_DOUBLE: return {nombre, tipo_ado::Double, 8};
    case SQL_BIT: return {nombre, tipo_ado::Boolean, 2};
    case SQL_TYPE_DATE: return {nombre, tipo_ado::DBDate, 6};
    case SQL_TYPE_TIME: return {nombre, tipo_ado::DBTime, 6};
    case SQL_DATETIME:
    case SQL_TYPE_TIMESTAMP: return {nombre, tipo_ado::DBTimeStamp, 16};
    case SQL_GUID: return {nombre, 72, 16};
    default: return texto(tipo_ado::VarWChar);
  }
}

CursorOdbc::CursorOdbc(std::shared_ptr<ConexionOdbc> conexion, SQLHSTMT st) : conexion_(std::move(conexion)), st_(st) {
  SQLSMALLINT n = 0;
  SQLNumResultCols(st_, &n);
  for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(n); ++i) {
    SQLWCHAR nombre[512] = {0};
    SQLSMALLINT largo = 0, tipo = 0, decimales = 0, nulos = 0;
    SQLULEN tamano = 0;
    SQLDescribeColW(st_, i, nombre, SQLSMALLINT(std::size(nombre)), &largo, &tipo, &tamano, &decimales, &nulos);
    campos_.push_back(CampoDeOdbc(DesdeAncho(std::basic_string<SQLWCHAR>(nombre)), tipo, tamano, decimales));
    tiposSql_.push_back(tipo);
  }
}

CursorOdbc::~CursorOdbc() { SQLFreeHandle(SQL_HANDLE_STMT, st_); }

bool CursorOdbc::Siguiente(Resultado& r) {
  fila_.clear();
  if (terminado_) return false;
  const SQLRETURN rc = SQLFetch(st_);
  if (rc == SQL_NO_DATA || !OdbcOk(rc)) {
    terminado_ = true;
    if (rc != SQL_NO_DATA) r = ResultadoOdbc(rc, SQL_HANDLE_STMT, st_);
    SQLCloseCursor(st_);
    return false;
  }
  if (rc == SQL_SUCCESS_WITH_INFO) r = ResultadoOdbc(rc, SQL_HANDLE_STMT, st_);
  // Some drivers hand out the values of a row only in column order, once:
  // the whole current row is read now.
  for (size_t i = 0; i < campos_.size(); ++i) {
    fila_.push_back(Leer(SQLUSMALLINT(i + 1), tiposSql_[i], r));
    if (!r.Ok()) {
      terminado_ = true;
      return false;
    }
  }
  return true;
}

Variant CursorOdbc::Valor(size_t c) const { return c < fila_.size() ? fila_[c] : Variant(); }

Variant CursorOdbc::Leer(SQLUSMALLINT col, SQLSMALLINT tipo, Resultado& r) {
  SQLLEN ind = 0;
  auto fallo = [&](SQLRETURN rc) {
    if (OdbcOk(rc)) return false;
    r = ResultadoOdbc(rc, SQL_HANDLE_STMT, st_);
    return true;
  };
  switch (tipo) {
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_TINYINT:
    case SQL_BIGINT: {
      SQLBIGINT v = 0;
      if (fallo(SQLGetData(st_, col, SQL_C_SBIGINT, &v, 0, &ind))) return {};
      return ind == SQL_NULL_DATA ? Variant::Nulo() : Variant(static_cast<long long>(v));
    }
    case SQL_BIT: {
      unsigned char v = 0;
      if (fallo(SQLGetData(st_, col, SQL_C_BIT, &v, 0, &ind))) return {};
      return ind == SQL_NULL_DATA ? Variant::Nulo() : Variant::Booleano(v != 0);
    }
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_DECIMAL:
    case SQL_NUMERIC: {
      double v = 0;
      if (fallo(SQLGetData(st_, col, SQL_C_DOUBLE, &v, 0, &ind))) return {};
      return ind == SQL_NULL_DATA ? Variant::Nulo() : Variant(v);
    }
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_DATETIME:
    case SQL_TYPE_TIMESTAMP: {
      SQL_TIMESTAMP_STRUCT v{};
      if (fallo(SQLGetData(st_, col, SQL_C_TYPE_TIMESTAMP, &v, sizeof v, &ind))) return {};
      if (ind == SQL_NULL_DATA) return Variant::Nulo();
      FechaHora f;
      if (tipo != SQL_TYPE_TIME) f.anio = v.year, f.mes = v.month, f.dia = v.day;
      f.hora = v.hour, f.minuto = v.minute, f.segundo = v.second;
      return Variant(f);
    }
    default: break;
  }
  if (tipo == SQL_BINARY || tipo == SQL_VARBINARY || tipo == SQL_LONGVARBINARY)
    return LeerPiezas<char>(st_, col, SQL_C_BINARY, r);
  // Texts (and anything else) as wide characters: the program's UTF-8 whatever
  // the driver manager's character set.
  return LeerPiezas<SQLWCHAR>(st_, col, SQL_C_WCHAR, r);
}
