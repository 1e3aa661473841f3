#include "services/RegistrarAcceso.h"

#include <vector>

#include "db/DB_Dll.h"
#include "services/ActualizarDatoScript.h"
#include "services/FormatosFecha.h"
#include "services/NombreEjecutable.h"
#include "services/TextoSql.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace acceso {

std::string SentenciaTarea(const std::string& usuario, const std::string& proceso) {
  return "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre "
         " FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
         " WHERE (TA_TAREAS.USUARIO = '" +
         ComillasDobladas(usuario) + " ') AND (TA_MENU.Proceso LIKE '%" + ComillasDobladas(proceso) + "%')";
}

}  // namespace acceso

namespace {

// The menu task of the user for the process. Without one, the database
// owner and the supervisor are logged under the executable's name.
std::string TareaDelUsuario(const std::string& proceso) {
  DB_Dll& db = DB();
  Recordset rs;
  db.AbrirRecordset(acceso::SentenciaTarea(gUsuarioLogeado, proceso), rs, nullptr, cursor_ado::SoloAvance,
                    bloqueo_ado::SoloLectura);
  std::string tarea;
  if (rs.State() == estado_objeto::Abierto && !rs.Eof()) {
    tarea = SinNulo(rs.Valor("Nombre"));
  } else if (texto::IgualesSinCaso(db.gDBName, gUsuarioLogeado) ||
             texto::IgualesSinCaso(gUsuarioLogeado, "SUPERVISOR PRAXEL MC")) {
    tarea = NombreEjecutable();
  }
  db.CierraRecordset(rs);
  return tarea;
}

std::string Mayus(const std::string& s) { return texto::Mayusculas(texto::Recortado(s)); }

}  // namespace

void RegistrarAcceso(const std::string& proceso) {
  gUsuarioLogeado = DB().gUsuario;
  const std::string nombreProceso = proceso.empty() ? NombreEjecutable() : proceso;
  const std::string tarea = TareaDelUsuario(nombreProceso);
  const FechaHora ahora = FechaHora::Ahora();

  std::string maquina = Mayus(NombreEquipo()), usuario = Mayus(gUsuarioLogeado), formulario = Mayus(nombreProceso),
              tareaMayus = Mayus(tarea),
              ingreso = FormatearFecha(ahora, FormatoFecha()) + " " + FormatearFecha(ahora, FormatoHora());
  AgregarCampo("Maquina", maquina, "'", true);
  AgregarCampo("Usuario", usuario, "'");
  AgregarCampo("Formulario", formulario, "'");
  AgregarCampo("Tarea", tareaMayus, "'");
  AgregarCampo("Ingreso", ingreso, "'");
  AgregarCampo("NombreUsuario", gUsuarioLogeado, "'");

  std::vector<std::string> sentencias(1);
  std::string condicion;
  ArmarSentencia(CamposPendientes(), sentencias, "Control_Acceso", false, condicion);

  bool fallo = false;
  int32_t codigo = 0;
  std::string script, mensaje;
  GActualizarDatoScript(sentencias, fallo, codigo, false, false, script, mensaje, true);
}
