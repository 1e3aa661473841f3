#include "db/DB_Dll.h"
#include "services/ActualizarDatoScript.h"
#include "services/NombreEjecutable.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

namespace actualizar_dato {

std::string ArmarScript(const std::vector<std::string>& sentencias) {
  std::string cuerpo;
  for (const std::string& s : sentencias)
    if (!texto::Recortado(s).empty()) cuerpo += "\r" + s;
  if (cuerpo.empty()) return "";
  return "BEGIN TRANSACTION \r\r" + cuerpo + "\r";
}

}  // namespace actualizar_dato

namespace {

// One line per error; with several, the last one is left out.
std::string LineasError(const ErroresProveedor& errores) {
  const long n = errores.Count() == 1 ? 1 : errores.Count() - 1;
  std::string lineas;
  for (long i = 0; i < n; ++i)
    lineas += texto::Entero(errores.Item(i).nativo) + " : " + errores.Item(i).descripcion + "\r\n";
  return lineas;
}

}  // namespace

void GActualizarDatoScript(const std::vector<std::string>& sentencias, bool& fallo, int32_t& codigo,
                           bool aceptaDuplicado, bool aceptaRelacion, std::string& script, std::string& mensaje,
                           bool mostrarMensaje) {
  using namespace actualizar_dato;
  fallo = false;
  const std::string lote = ArmarScript(sentencias);
  if (lote.empty()) return;
  script = lote;

  DB_Dll& db = DB();
  ErroresProveedor& errores = db.gCnn->Errors;
  // Only this batch's errors decide between commit and rollback: a record
  // left by an earlier, unrelated statement must not undo it.
  errores.Clear();
  db.EjecutaConsultaSQL(lote);
  // A trigger's PRINT or any other message below error severity is no failure.
  if (errores.Fallos() == 0) {
    db.EjecutaConsultaSQL("COMMIT TRANSACTION");
    codigo = 0;
    return;
  }

  const int32_t nativo = static_cast<int32_t>(errores.PrimerFallo().nativo);
  fallo = true;
  mensaje = LineasError(errores);
  std::string aviso = mensaje;
  if ((aceptaDuplicado && nativo == kClaveDuplicada) || (aceptaRelacion && nativo == kConflictoRelacion)) {
    mensaje = errores.PrimerFallo().descripcion;
    aviso.clear();
  }
  errores.Clear();
  db.EjecutaConsultaSQL("ROLLBACK TRANSACTION");
  std::string proceso = NombreEjecutable();
  RegistrarErrorSql(lote, proceso, nativo, aviso);
  if (!texto::Recortado(aviso).empty() && mostrarMensaje) operador().Mensaje(aviso, botones::OK, "Aviso al Operador!");
  codigo = nativo;
}
