#include "db/motor/DiagnosticosOdbc.h"

#include <algorithm>
#include <iterator>

#include "db/motor/TextoAnchoOdbc.h"
#include "sivlib/Texto.h"

namespace {

const char* kOrigen = "Microsoft OLE DB Provider for ODBC Drivers";

bool Clase(const std::string& estado, const char* clase) { return estado.rfind(clase, 0) == 0; }

// Data that does not fit or cannot be converted.
long NumeroDeDatos(const std::string& e) {
  if (e == "22001" || e == "22003") return ado::DatosDesbordados;
  if (e == "22005" || e == "22007" || e == "22008" || e == "22018") return ado::ConversionImposible;
  return ado::ErrorEnComando;  // other server errors on the data (division by zero ...)
}

}  // namespace

long NumeroAdoDeEstado(const std::string& e, const std::string& mensaje, MomentoOdbc momento) {
  if (Clase(e, "01")) return 0;
  if (e == "28000") return ado::AccesoDenegado;
  if (momento == MomentoOdbc::Conexion || Clase(e, "08")) return ado::ErrorNoEspecificado;
  if (e == "HYT00" || e == "HYT01") return ado::TiempoAgotado;
  if (e == "HY008") return ado::OperacionCancelada;
  if (e == "24000" || e == "HY010" || texto::ContieneSinCaso(mensaje, "Connection is busy")) return ado::ObjetoEnUso;
  if (e == "42S02") return ado::TablaInexistente;
  if (e == "23000") return ado::ViolacionIntegridad;
  if (Clase(e, "42") || e == "37000" || e == "40001") return ado::ErrorEnComando;  // 40001: deadlock victim
  if (Clase(e, "22")) return NumeroDeDatos(e);
  return ado::ErrorNoEspecificado;
}

bool OdbcOk(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO || rc == SQL_NO_DATA; }

std::vector<ErrorProveedor> Diagnosticos(SQLSMALLINT tipo, SQLHANDLE h, MomentoOdbc momento) {
  std::vector<ErrorProveedor> out;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLWCHAR estado[8] = {0};
    SQLINTEGER nativo = 0;
    SQLWCHAR msg[2048] = {0};
    SQLSMALLINT largo = 0;
    const SQLRETURN rc = SQLGetDiagRecW(tipo, h, i, estado, &nativo, msg, SQLSMALLINT(std::size(msg)), &largo);
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO) break;
    if (nativo == 5701 || nativo == 5703) continue;
    const std::string e = DesdeAncho(estado, 5);
    const std::string m =
        DesdeAncho(msg, std::min<size_t>(size_t(std::max<SQLSMALLINT>(largo, 0)), std::size(msg) - 1));
    out.push_back({e, NumeroAdoDeEstado(e, m, momento), m, long(nativo), kOrigen});
  }
  return out;
}

Resultado ResultadoOdbc(SQLRETURN rc, SQLSMALLINT tipo, SQLHANDLE h, MomentoOdbc momento) {
  Resultado r;
  if (rc == SQL_SUCCESS || rc == SQL_NO_DATA) return r;
  if (rc == SQL_INVALID_HANDLE) {
    r.numero = ado::ConexionInutilizable;
    r.descripcion = "Invalid ODBC handle.";
    r.origen = kOrigen;
    return r;
  }
  r.errores = Diagnosticos(tipo, h, momento);
  if (rc == SQL_SUCCESS_WITH_INFO) return r;
  r.origen = kOrigen;
  for (const ErrorProveedor& p : r.errores) {
    if (p.numero == 0) continue;
    r.numero = p.numero;
    r.descripcion = p.descripcion;
    return r;
  }
  // A failure that left nothing but messages (or nothing at all).
  r.numero = ado::ErrorNoEspecificado;
  r.descripcion = r.errores.empty() ? "Unspecified error" : r.errores.front().descripcion;
  r.errores.push_back({"HY000", r.numero, r.descripcion, 0, kOrigen});
  return r;
}
