// Opening and closing the callers' recordsets.
#include "db/DB_Dll.h"
#include "db/DialectoConexion.h"
#include "db/Pasos.h"
#include "sivlib/Texto.h"

namespace {

bool ConexionPerdida(const ErrorSistema& e) {
  return e.numero == ado::ErrorNoEspecificado || e.numero == ado::ConexionInutilizable;
}

}  // namespace

void DB_Dll::AbrirRecordset(const std::string& SentenciaSQL, Recordset& Lrcs, Conexion* Conexionactiva, long CursorType,
                            long LockType, long Options, bool ConvOracle) {
  std::string copia = SentenciaSQL;
  AbrirRecordset(copia, Lrcs, Conexionactiva, CursorType, LockType, Options, ConvOracle);
}

void DB_Dll::AbrirRecordset(std::string& SentenciaSQL, Recordset& Lrcs, Conexion* Conexionactiva, long CursorType,
                            long LockType, long Options, bool ConvOracle) {
  std::string texto;
  bool reconectado = false;
  EjecutarPasos(
      {[&] {
         CierraRecordset(Lrcs);
         return ErrorSistema{};
       },
       [&] {
         SentenciaSQL = SS_TSinonimos(SentenciaSQL);
         return ErrorSistema{};
       },
       [&] {
         ErrorSistema e;
         texto = ConvOracle && EsDialectoOracle(gCnn->ConnectionString) ? ORACLE_Dicc(SentenciaSQL, &e) : SentenciaSQL;
         return e;
       },
       [&] { return Lrcs.Open(texto, Conexionactiva ? Conexionactiva : gCnn.get(), CursorType, LockType, Options); }},
      [&](const ErrorSistema& e) {
        if (ConexionPerdida(e) && gCnn->Errors.Count() > 0 && !reconectado) {
          // A dropped connection is reopened (a second try if the first
          // fails); a statement that fails again on the fresh connection is
          // not the connection's fault and goes to the dialog.
          reconectado = true;
          for (int intento = 0; intento < 2; ++intento) {
            ReintentaConectar();
            if (gOpenFlag) return Decision::Repetir;
          }
          // Both failed: the failure goes to the dialog and the log like any
          // other, and "Reintentar" tries the connection again.
          reconectado = false;
        }
        return DecisionDeRespuesta(TratamientoErrores(e, std::nullopt, "AbrirRecordset"));
      });
}

void DB_Dll::CierraRecordset(Recordset& LrcsTemp) {
  EjecutarPasos({[&] {
                  if (LrcsTemp.State() != estado_objeto::Cerrado) return LrcsTemp.Close();
                  return ErrorSistema{};
                }},
                [&](const ErrorSistema& e) {
                  if (e.numero == ado::ContextoInvalido) {
                    // A pending edit: drop it and close, whatever else fails.
                    LrcsTemp.CancelUpdate();
                    if (LrcsTemp.State() != estado_objeto::Cerrado) LrcsTemp.Close();
                    return Decision::Continuar;
                  }
                  return DecisionDeRespuesta(TratamientoErrores(e, std::nullopt, "CierraRecordset"));
                });
}
