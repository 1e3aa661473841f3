#include "provisioning/Ejecutar.h"

#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "db/TratamientoErrores.h"
#include "provisioning/ArchivoErroresGuion.h"
#include "provisioning/ArchivoGuion.h"
#include "provisioning/CarpetaTemp.h"
#include "provisioning/GuardiaEliminacion.h"
#include "provisioning/LineasGuion.h"
#include "provisioning/LotesGuion.h"
#include "provisioning/PasadasGuion.h"
#include "services/Archivos.h"
#include "services/Configuracion.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/Operador.h"
#include "sivlib/ValoresGlobales.h"

namespace {

Decision Preguntar(const ErrorSistema& e) {
  return DecisionDeRespuesta(TratamientoErroresGeneral(e, std::nullopt, std::string("Ejecutar")));
}

// The view scripts restrict SS_MA_CUENTAS when the installation keeps its
// accounts confidential. Only they read the flag: another script may run
// where there is no configuration table yet (a database being created).
bool VistaConfidencial(const std::string& archivo) {
  return archivo.find("VISTAS") != std::string::npos && Cfg("SS_Confidencialidad") == "SI";
}

// The errors looked at from here on are the script's own: what an earlier
// statement of the caller left in the list is not a failure of this run.
void PrepararSesion() {
  DB_Dll& db = DB();
  db.gCnn->Errors.Clear();
  db.EjecutaConsultaSQL("SET NOCOUNT ON");
  ErroresProveedor& lista = db.gCnn->Errors;
  if (lista.Fallos() == 0) return;
  operador().Mensaje(lista.PrimerFallo().descripcion, botones::OK, "");
  lista.Clear();
}

void Avisar(const std::string& rutaErrores) {
  operador().Mensaje("Se detectaron errores, consulte el archivo " + rutaErrores, botones::OK, "");
  AbrirDocumento(rutaErrores, true);
}

}  // namespace

void Ejecutar(const std::string& Archivo) {
  if (Archivo.empty()) return;
  const std::string rutaErrores = CarpetaTemp() + NombreArchivoErrores(FechaHora::Ahora());
  ArchivoErroresGuion errores;
  if (!EjecutarPasos({[&] { return errores.Abrir(rutaErrores); }}, Preguntar)) return;
  const bool confidencial = VistaConfidencial(Archivo);
  std::string bytes;
  if (!EjecutarPasos({[&] { return LeerArchivoGuion(Archivo, bytes); }}, Preguntar)) return;

  GuardiaEliminacion guardia;
  const LecturaGuion lectura = LeerLotes(LineasGuion(ansi::HaciaUtf8(bytes)), guardia);
  if (lectura.rechazada) return;
  PrepararSesion();
  const bool huboErrores = EjecutarPasadas(
      {lectura.lotes, Archivo, confidencial, [&](const std::string& bloque) { errores.Anotar(bloque); }});
  errores.Cerrar();
  if (huboErrores && gParametroAdicional != "Automatica") Avisar(rutaErrores);
}
