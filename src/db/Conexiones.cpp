// Opening the connection: SQL Server / Oracle (OpenServerADODB), the
// reconnect after a dropped connection, and local database files.
#include "db/DB_Dll.h"
#include "db/Pasos.h"
#include "db/VentanaAcceso.h"
#include "db/motor/EleccionMotor.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

constexpr const char* kProveedorOracle = "OraOLEDB.Oracle.1";
constexpr const char* kCR = "\r";

bool EsOracle(const std::string& servidor) { return servidor.find('#') != std::string::npos; }

std::string TextoErrorConexion(const ErrorProveedor& p) {
  return " Estado de Sql: " + p.estadoSql + kCR + "Numero de Error: " + texto::Entero(p.numero) + kCR +
         "Descripcion: " + p.descripcion + kCR + "Codigo Nativo: " + texto::Entero(p.nativo) + kCR +
         " - Desea Intentarlo Nuevamente??? ";
}

// The file of a local database could not be found or opened: Jet's states
// 3024, 3051 and 3044, and the embedded engine that stands in for Jet here,
// which reports a missing or unreadable file as a database it cannot open
// (native 4060).
bool ArchivoNoDisponible(const std::string& cadena, const ErrorProveedor& p) {
  if (p.estadoSql == "3024" || p.estadoSql == "3051" || p.estadoSql == "3044") return true;
  constexpr long kBaseNoAbre = 4060;
  return p.nativo == kBaseNoAbre && ElegirMotor(cadena) == TipoMotor::Sqlite;
}

}  // namespace

std::string DB_Dll::ConstruirCadenaConexion() {
  if (EsOracle(gServidor)) {
    gConnString = std::string("Provider=") + kProveedorOracle + ";Data Source=" + gDBName + ";User Id=" + gUsuario +
                  ";Password=" + gUserPassWord + ";";
  } else {
    gConnString = "PROVIDER=" + pSQLOLEDB() + ";" + "Server=" + gServidor + ";" + "Database =" + gDBName + ";" +
                  "UId=" + gUsuario + ";" + "Pwd=" + gUserPassWord + ";" + gExtended;
  }
  return gConnString;
}

bool DB_Dll::PedirCredenciales() {
  DatosAcceso datos{gUsuario, gUserPassWord, gDBName, gServidor, 0};
  const bool aceptar = ventanaAcceso().Mostrar(datos);
  gOpenFlag = aceptar;
  if (!aceptar) return false;
  gDBName = datos.baseDatos;
  gServidor = datos.servidor;
  gUsuario = datos.usuario;
  gUserPassWord = datos.clave;
  if (datos.plataforma > 0) {
    gProveedor = kProveedorOracle;
    if (!EsOracle(gServidor)) gServidor += "#";
  } else {
    gProveedor = pSQLOLEDB();
  }
  return true;
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, long lCursor, const std::string& ConnString, bool ValidaAdmin,
                             bool MuestraError) {
  bool reintentado = false;  // one automatic retry per call for "already open"
  gOpenFlag = true;
  if (gProveedor.empty()) gProveedor = pSQLOLEDB();
  if (texto::Recortado(ConnString).empty()) ConstruirCadenaConexion();
  else gConnString = ConnString;
  if (PideParametrosSQL) {
    if (!PedirCredenciales()) return;
    ConstruirCadenaConexion();
  }

  // "Already open": close and repeat, once per call.
  auto reabrirUnaVez = [&](const ErrorSistema& e) {
    if (e.numero != ado::ObjetoAbierto || reintentado) return false;
    reintentado = true;
    gCnn->Close();
    return true;
  };
  const Manejador manejar = [&](const ErrorSistema& e) {
    if (!MuestraError) {
      if (reabrirUnaVez(e)) return Decision::Repetir;
      gOpenFlag = false;
      return Decision::Salir;
    }
    // Provider records on the connection come first: the operator sees them
    // and decides, even when the failure itself is "already open".
    if (gCnn->Errors.Count() > 0) {
      const int r = operador().Mensaje(TextoErrorConexion(gCnn->Errors.Item(0)), botones::SiNo + botones::Critico,
                                       " Error de Conexion a Base de Datos");
      if (r != respuesta::Si || (gCnn->Errors.Clear(), !PedirCredenciales())) {
        gOpenFlag = false;
        return Decision::Salir;
      }
      ConstruirCadenaConexion();
      return Decision::Repetir;
    }
    if (reabrirUnaVez(e)) return Decision::Repetir;
    operador().Mensaje(e.descripcion, botones::OK, "");
    // A connection that did not open is not usable, whatever the flag said.
    if (gCnn->State() != estado_objeto::Abierto) gOpenFlag = false;
    return Decision::Salir;
  };

  const bool abierta = EjecutarPasos({[&] {
                                       gCnn->CursorLocation = lCursor;
                                       return gCnn->Open(gConnString, "", "");
                                     }},
                                     manejar);
  if (!abierta) return;
  if (!ValidaAdmin) {
    gEsAdmin = true;
    return;
  }
  if (texto::Recortado(gDBName).empty()) return;
  if (!EjecutarPasos({[&] { return gCnn->FijarDefaultDatabase(gDBName); }}, manejar)) return;
  if (!DB().ExisteTablaDB("TA_USUARIOS")) return;
  if (!MuestraError) {
    gEsAdmin = true;
    return;
  }
  const Variant admin = DatosTabla("ta_usuarios", gUsuario, "Administrador", "nombre", 8, "", true, false);
  gEsAdmin = Val(admin.Texto()) == 1;
}

void DB_Dll::ReintentaConectar() {
  // The short time-out serves the reconnect only: left in place, a
  // configured 360 seconds would become 5 for the rest of the run and a
  // slow statement could never succeed on "Reintentar". The isolation level
  // goes to the new session with the open itself.
  const int espera = gCnn->CommandTimeout;
  EjecutarPasos({[&] {
                   gOpenFlag = false;
                   return ErrorSistema{};
                 },
                 [&] {
                   gCnn->CommandTimeout = 5;
                   return ErrorSistema{};
                 },
                 [&] { return gCnn->Close(); },
                 [&] { return gCnn->Open(gCnn->ConnectionString, DB().gUsuario, DB().gUserPassWord); },
                 [&] {
                   gOpenFlag = true;
                   return ErrorSistema{};
                 }},
                [&](const ErrorSistema& e) {
                  if (e.numero == ado::ObjetoCerrado) return Decision::Continuar;  // it was already closed
                  gOpenFlag = false;
                  if (e.numero == ado::ErrorNoEspecificado) return Decision::Salir;  // server unreachable: quietly
                  const Decision d = DecisionDeRespuesta(TratamientoErrores(e, std::nullopt, "AbrirRecordset"));
                  if (d == Decision::Salir) gOpenFlag = false;
                  return d;
                });
  gCnn->CommandTimeout = espera;
}

void DB_Dll::OpenLocalADODB(const std::string& ConnString, const std::string& CadenaID, const std::string& CadenaPWD) {
  bool elegir = texto::Recortado(gDBName).empty();
  std::string extra;  // password clauses added after a refusal
  bool claveGuardadaProbada = false;
  for (;;) {
    if (elegir) {
      if (!CmdDlg) CmdDlg = std::make_unique<DialogoArchivo>();
      CmdDlg->FijarTitulo("Buscar Base de Datos");
      CmdDlg->FijarFiltro("Base de Datos de Microsoft Access |*.MDB");
      CmdDlg->MostrarAbrir();
      gDBName = CmdDlg->NombreArchivo();
      if (CmdDlg->Cancelado()) return;
      elegir = false;
    }
    const std::string cadena =
        (!ConnString.empty() ? ConnString
                             : "PROVIDER=" + gProveedor + ";" + "Data Source =" + gDBName + ";" + CadenaID + "=" +
                                   gUsuario + ";" + CadenaPWD + "=" + gUserPassWord + ";" + gExtended) +
        extra;
    const ErrorSistema e = gCnn->Open(cadena, "", "");
    if (!e.HayError()) {
      gConnString = cadena;
      return;
    }
    const std::string estado = gCnn->Errors.Count() > 0 ? gCnn->Errors.Item(0).estadoSql : "";
    if (gCnn->Errors.Count() > 0 && ArchivoNoDisponible(cadena, gCnn->Errors.Item(0))) {
      elegir = true;
      continue;
    }
    if (estado == "3031") {
      // The stored password is tried once; after that the operator is asked.
      if (gIgnoraPassWord.Logico() && !claveGuardadaProbada) {
        claveGuardadaProbada = true;
        extra += "Jet OLEDB:Database Password=" + gUserPassWord + ";";
        continue;
      }
      const std::string clave = operador().Entrada("ingrese el password:", "Password Access", "");
      if (clave.empty()) return;  // the operator cancelled
      extra += " Jet OLEDB:Database Password=" + clave + ";";
      continue;
    }
    operador().Mensaje(texto::Entero(e.numero) + "  " + e.descripcion, botones::OK + botones::Critico, "");
    return;
  }
}
