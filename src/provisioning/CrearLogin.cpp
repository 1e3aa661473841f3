#include "provisioning/CrearLogin.h"

#include "db/DB_Dll.h"
#include "db/DialectoConexion.h"
#include "provisioning/CrearBaseDatos.h"
#include "provisioning/LoginEstadisticas.h"
#include "provisioning/RolesLogin.h"
#include "provisioning/SentenciasLogin.h"
#include "provisioning/UsuarioOracle.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

namespace {

// SQL Server's answers to sp_addlogin.
constexpr long kClaveFueraDePolitica = 15116;
constexpr long kBaseInexistente = 15010;
constexpr long kLoginExistente = 15025;

void AvisarPolitica(const std::string& descripcion, const std::string& usuario) {
  operador().Mensaje(descripcion + "\r\nDebe cambiar la contraseña del Usuario " + usuario +
                         " para que cumpla con las directivas de Windows.",
                     botones::OK, "");
}

// Server roles, access to the current database and database roles; their
// answers are not looked at (they find everything in place when the
// creation script has granted it already).
void Otorgar(DB_Dll& conexion, const std::string& usuario) {
  using namespace sentencias_login;
  std::string roles;
  for (const char* rol : roles_login::kServidor) roles += " " + RolServidor(usuario, rol);
  conexion.EjecutaConsultaSQL(roles);
  conexion.EjecutaConsultaSQL(" " + AccesoBase(usuario));
  std::string miembros;
  for (const char* rol : roles_login::kBase) miembros += " " + RolBase(usuario, rol);
  conexion.EjecutaConsultaSQL(miembros);
}

}  // namespace

void CrearLogin(const std::string& BaseDatos, const std::string& Usuario, const std::string& Clave, DB_Dll* Conexion) {
  DB_Dll& conexion = Conexion ? *Conexion : DB();
  if (EsProveedorOracle(DB().gProveedor)) {
    DB().EjecutaConsultaSQL(GuionUsuarioOracle(Usuario, Clave));
    return;
  }
  conexion.EjecutaConsultaSQL(sentencias_login::AgregarLogin(Usuario, Clave, BaseDatos, ",'Spanish'"));
  const ErroresProveedor& errores = conexion.gCnn->Errors;
  if (errores.Fallos() > 0) {
    const ErrorProveedor primero = errores.PrimerFallo();
    if (primero.nativo == kClaveFueraDePolitica) AvisarPolitica(primero.descripcion, Usuario);
    // The statistics database, whatever login was asked for: it is the
    // one database this provisioning knows how to create.
    if (primero.nativo == kBaseInexistente)
      CrearBaseDatos(DB().gServidor, kUsuarioEstadisticas, kClaveEstadisticas, kBaseEstadisticas);
    else if (primero.nativo == kLoginExistente) return;
  }
  Otorgar(conexion, Usuario);
}
