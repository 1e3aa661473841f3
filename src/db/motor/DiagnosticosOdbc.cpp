#include "db/motor/DiagnosticosOdbc.h"

#include "sivlib/Texto.h"

namespace {
const char* kOrigen = "Microsoft OLE DB Provider for ODBC Drivers";
}

long NumeroAdoDeEstado(const std::string& e) {
  if (e == "42S02") return ado::TablaInexistente;
  if (e == "23000") return ado::ViolacionIntegridad;
  if (e.rfind("42", 0) == 0 || e == "37000") return ado::ErrorEnComando;
  return ado::ErrorNoEspecificado;
}

bool OdbcOk(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO || rc == SQL_NO_DATA; }

std::vector<ErrorProveedor> Diagnosticos(SQLSMALLINT tipo, SQLHANDLE h) {
  std::vector<ErrorProveedor> out;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLCHAR estado[8] = {0};
    SQLINTEGER nativo = 0;
    SQLCHAR msg[2048] = {0};
    SQLSMALLINT largo = 0;
    const SQLRETURN rc = SQLGetDiagRec(tipo, h, i, estado, &nativo, msg, sizeof msg, &largo);
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO) break;
    if (nativo == 5701 || nativo == 5703) continue;
    const std::string e(reinterpret_cast<char*>(estado));
    out.push_back({e, NumeroAdoDeEstado(e), reinterpret_cast<char*>(msg), long(nativo), kOrigen});
  }
  return out;
}

Resultado ResultadoOdbc(SQLRETURN rc, SQLSMALLINT tipo, SQLHANDLE h) {
  Resultado r;
  if (rc == SQL_SUCCESS || rc == SQL_NO_DATA) return r;
  if (rc == SQL_INVALID_HANDLE) {
    r.numero = ado::ConexionInutilizable;
    r.descripcion = "Invalid ODBC handle.";
    r.origen = kOrigen;
    return r;
  }
  r.errores = Diagnosticos(tipo, h);
  if (rc == SQL_SUCCESS_WITH_INFO) return r;
  r.origen = kOrigen;
  if (r.errores.empty()) {
    r.numero = ado::ErrorNoEspecificado;
    r.descripcion = "Unspecified error";
    r.errores.push_back({"HY000", r.numero, r.descripcion, 0, kOrigen});
  } else {
    r.numero = r.errores.front().numero;
    r.descripcion = r.errores.front().descripcion;
  }
  return r;
}
