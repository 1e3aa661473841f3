#include "app/IniciarSesion.h"

#include <exception>

#include "app/AjustesOdbc.h"
#include "app/BaseEstadisticas.h"
#include "app/CargarConfiguracion.h"
#include "app/lanzamiento/LineaLanzamiento.h"
#include "db/DB_Dll.h"
#include "lookup/MascarasConsultas.h"
#include "services/Archivos.h"
#include "services/RegistrarAcceso.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/CarpetasPrograma.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {

// Read uncommitted: the program's reads never wait for the ERP's writers.
constexpr long kLecturaSinConfirmar = 256;

std::string& Cola() {
  static std::string c;
  return c;
}
ValoresLanzamiento& Ultimo() {
  static ValoresLanzamiento v;
  return v;
}

bool ConexionAbierta(const DB_Dll& db) { return db.gCnn && db.gCnn->State() == estado_objeto::Abierto; }

// Steps 6 to 13: the launch values go to the database layer, which opens
// the main connection (asking for server and user when either is missing).
bool AbrirConexionPrincipal(const std::string& lanzamiento, std::string& cadenaConexion, int ubicacionCursor) {
  using namespace clave_lanzamiento;
  gParametroAdicional = ValorParametro(lanzamiento, ParametroAdicional, "");
  gMenu = ValorParametro(lanzamiento, Menu, "");
  std::string servidor = ValorParametro(lanzamiento, Server, "");
  const std::string base = ValorParametro(lanzamiento, DbName, "");
  const std::string usuario = ValorParametro(lanzamiento, Usuario, "");
  const std::string clave = ValorParametro(lanzamiento, Password, "");
  gUsuarioLogeado = ValorParametro(lanzamiento, UsuarioLogeado, "");
  gCaja = ValorParametro(lanzamiento, Caja, "1");

  AplicarMarcaOracle(servidor, cadenaConexion, base, usuario, clave);
  Ultimo() = {NormalizarServidor(servidor), base, usuario, clave};

  DB_Dll& db = DB();
  db.gUsuario = usuario;
  db.gDBName = base;
  db.gUserPassWord = clave;
  db.gServidor = NormalizarServidor(servidor);
  const bool pedirDatos = texto::Recortado(servidor).empty() || texto::Recortado(usuario).empty();
  db.OpenServerADODB(pedirDatos, ubicacionCursor, cadenaConexion, true, true);
  if (!ConexionAbierta(db)) return false;

  AbrirBaseEstadisticas();
  gUsuarioLogeado = db.gUsuario;
  db.gCnn->CommandTimeout = gTiempoComandos;
  db.gCnn->IsolationLevel = kLecturaSinConfirmar;
  return true;
}

// Step 14: what needs a database name.
void PrepararBase() {
  DB_Dll& db = DB();
  FijarCarpeta(gCarpetaAplicacion);
  db.gCnn->FijarDefaultDatabase(db.gDBName);
  const std::string mascaras = gCarpetaAplicacion + "consultas.prx";
  ConfigurarServicioConsultas(db.gConnString, true, mascaras);
  if (!ExisteArchivo(mascaras)) CrearMascarasConsultas();
  // Creating the statistics database may have left the connection on it.
  db.gCnn->FijarDefaultDatabase(db.gDBName);
  CargarConfiguracion(gCarpetaAplicacion);
}

}  // namespace

void FijarLineaComandos(const std::string& cola) { Cola() = cola; }
const std::string& LineaComandos() { return Cola(); }
const ValoresLanzamiento& UltimoLanzamiento() { return Ultimo(); }

bool IniciarSesion(bool usarArchivoConexion, const std::string& textoLanzamiento, std::string& cadenaConexion,
                   int ubicacionCursor) {
  // Nothing here is meant to throw; should the standard library do so, the
  // sequence ends where it stands, as any unexpected failure does.
  try {
    // Beside the executable in its build folder; a folder of the user for
    // an installed program, whose own folders are not the user's to write.
    const CarpetasPrograma carpetas = CarpetasDelProceso();
    FijarInstalacion(carpetas.instalacion);
    gCarpetaAplicacion = ConBarraFinal(carpetas.aplicacion);
    gArchivoAyuda = gCarpetaAplicacion + "htmlhelp/omranetplus.chm";
    gColorLetra = 0;
    gColorFondo = 0xFFFFFF;

    std::string lanzamiento = textoLanzamiento.empty() ? LineaComandos() : textoLanzamiento;
    if (texto::Recortado(lanzamiento).empty() && usarArchivoConexion) lanzamiento = LanzamientoDesdeArchivo();

    gEstacion = EstacionRecortada(EstacionCompleta());
    gBarrasPlanas = LeerBarrasPlanas(gEstacion);
    LeerAjustesOdbc();

    if (!ConexionAbierta(DB()) && !AbrirConexionPrincipal(lanzamiento, cadenaConexion, ubicacionCursor)) return false;
    if (!DB().gDBName.empty()) PrepararBase();
    RegistrarAcceso("");
  } catch (const std::exception&) {
  }
  return ConexionAbierta(DB());
}
