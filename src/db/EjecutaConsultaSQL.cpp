// Statements that return no rows to the caller, and whole scripts. Their
// failures never reach the caller: they stay in the provider error list.
#include <algorithm>

#include "db/DB_Dll.h"
#include "db/DialectoConexion.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

namespace {

using texto::ContieneSinCaso;

constexpr long kTruncamiento = 8152;  // SQL Server: string or binary data would be truncated

// Failures the callers look for in the error list themselves.
bool EsSilencioso(long numero) {
  return numero == ado::ErrorNoEspecificado || numero == ado::ViolacionIntegridad || numero == ado::TablaInexistente ||
         numero == ado::ErrorEnComando;
}

}  // namespace

void DB_Dll::EjecutaConsultaSQL(const std::string& SentenciaSQL) {
  std::string sql = SentenciaSQL;
  long filas = 0;
  EjecutaConsultaSQL(sql, filas, nullptr);
}

void DB_Dll::EjecutaConsultaSQL(std::string& SentenciaSQL, long& RecordsAffected, Recordset* Lrcs) {
  // The list the callers read is the shared instance's.
  EjecutarConTitulo(SentenciaSQL, RecordsAffected, Lrcs, "Aviso al operador!!! - 4", *DB().gCnn);
}

void DB_Dll::EjecutaConsultaRSQL(std::string& SentenciaSQL, long& RecordsAffected, Recordset* Lrcs) {
  EjecutarConTitulo(SentenciaSQL, RecordsAffected, Lrcs, "Aviso al operador!!!", *gCnn);
}

void DB_Dll::EjecutarConTitulo(std::string& SentenciaSQL, long& RecordsAffected, Recordset* Lrcs,
                               const std::string& titulo, Conexion& lista) {
  // Scripts that re-create objects are rewritten for restricted users
  // unless they name the unrestricted objects themselves.
  if (ContieneSinCaso(SentenciaSQL, "DROP") && ContieneSinCaso(SentenciaSQL, "CREATE") &&
      !ContieneSinCaso(SentenciaSQL, "DELETE") && !ContieneSinCaso(SentenciaSQL, "@ADMIN_"))
    SentenciaSQL = SS_TSinonimos(SentenciaSQL);
  else SentenciaSQL = texto::ReemplazarSinCaso(SentenciaSQL, "@Admin_", "");

  const bool transaccion = ContieneSinCaso(SentenciaSQL, "TRANS");
  auto esTruncamiento = [&] { return lista.Errors.Count() > 0 && lista.Errors.Item(0).nativo == kTruncamiento; };

  const ErrorSistema e = EsDialectoOracle(gCnn->ConnectionString) ? DividirOracle(SentenciaSQL, RecordsAffected)
                                                                  : gCnn->Execute(SentenciaSQL, &RecordsAffected, Lrcs);
  if (!e.HayError()) {
    // A truncation warning after a statement that went through is not kept.
    if ((lista.Errors.Count() == 1 || lista.Errors.Count() == 2) && !transaccion && esTruncamiento())
      lista.Errors.Clear();
    return;
  }
  if (lista.Errors.Count() > 0 && !transaccion && esTruncamiento()) {
    lista.Errors.Clear();
    return;
  }
  if (!EsSilencioso(e.numero) && !transaccion) operador().Mensaje(e.descripcion, botones::Critico, titulo);
}
