#include "app/ProbarConexion.h"

#include <cstdio>

#include "app/AjustesOdbc.h"
#include "app/EstadoSalida.h"
#include "app/lanzamiento/LineaLanzamiento.h"
#include "db/DB_Dll.h"
#include "db/motor/EleccionMotor.h"
#include "sivlib/Texto.h"

namespace {

// What the server says of itself, in the columns Servidor, Version,
// FormatoFecha and Idioma. The embedded engine reads the program's
// day/month/year literals by its own rules: its order is always dmy.
std::string ConsultaDelServidor(TipoMotor tipo) {
  switch (tipo) {
    case TipoMotor::OdbcSqlServer:
      return "SELECT @@SERVERNAME AS Servidor, CAST(SERVERPROPERTY('ProductVersion') AS varchar(40)) AS Version, "
             "date_format AS FormatoFecha, language AS Idioma FROM sys.dm_exec_sessions WHERE session_id = @@SPID";
    case TipoMotor::OdbcOracle:
      return "SELECT SYS_CONTEXT('USERENV', 'SERVER_HOST') AS Servidor, "
             "(SELECT banner FROM v$version WHERE ROWNUM = 1) AS Version, "
             "(SELECT value FROM nls_session_parameters WHERE parameter = 'NLS_DATE_FORMAT') AS FormatoFecha, "
             "(SELECT value FROM nls_session_parameters WHERE parameter = 'NLS_LANGUAGE') AS Idioma FROM dual";
    case TipoMotor::Sqlite:
      return "SELECT 'sqlite' AS Servidor, sqlite_version() AS Version, 'dmy' AS FormatoFecha, '' AS Idioma";
    case TipoMotor::OdbcDirecto:
    case TipoMotor::Desconocido: break;
  }
  return {};
}

void InformarFallo(const DB_Dll& db, const std::string& que) {
  std::fprintf(stderr, "ut_vorna: %s\n", que.c_str());
  for (const ErrorProveedor& p : db.gCnn->Errors.Lista())
    std::fprintf(stderr, "  [%s] (%ld) %s\n", p.estadoSql.c_str(), p.nativo, p.descripcion.c_str());
}

void MostrarDatosDelServidor(DB_Dll& db) {
  Recordset rs;
  const ErrorSistema e = db.gCnn->Execute(ConsultaDelServidor(ElegirMotor(db.gConnString)), nullptr, &rs);
  if (e.HayError() || rs.Eof()) {
    InformarFallo(db, "conectado, pero el servidor no dio sus datos: " + e.descripcion);
    return;
  }
  const std::pair<const char*, const char*> datos[] = {
      {"Servidor", "Servidor"}, {"Version", "Version"}, {"FormatoFecha", "Formato de fecha"}, {"Idioma", "Idioma"}};
  for (const auto& [campo, titulo] : datos) {
    const std::string valor = texto::Recortado(rs.Valor(campo).Texto());
    if (!valor.empty()) std::printf("%s: %s\n", titulo, valor.c_str());
  }
}

}  // namespace

int ProbarConexion(const std::string& lanzamiento) {
  using namespace clave_lanzamiento;
  LeerAjustesOdbc();
  std::string servidor = ValorParametro(lanzamiento, Server, "");
  const std::string base = ValorParametro(lanzamiento, DbName, "");
  const std::string usuario = ValorParametro(lanzamiento, Usuario, "");
  const std::string clave = ValorParametro(lanzamiento, Password, "");
  if (texto::Recortado(servidor).empty() || texto::Recortado(usuario).empty()) {
    std::fprintf(stderr, "ut_vorna: la cadena de lanzamiento no indica servidor y usuario (@Server, @Usuario)\n");
    return estado_salida::SinConexion;
  }
  std::string cadena;
  AplicarMarcaOracle(servidor, cadena, base, usuario, clave);

  DB_Dll& db = DB();
  db.gServidor = NormalizarServidor(servidor);
  db.gDBName = base;
  db.gUsuario = usuario;
  db.gUserPassWord = clave;
  db.OpenServerADODB(false, 3, cadena, false, false);
  if (!db.gOpenFlag || db.gCnn->State() != estado_objeto::Abierto) {
    InformarFallo(db, "no se pudo conectar a " + db.gServidor);
    return estado_salida::SinConexion;
  }
  std::printf("Conexion correcta a %s\n", db.gServidor.c_str());
  MostrarDatosDelServidor(db);
  const int limite = db.gCnn->motor()->ResultadosActivosMaximos();
  std::printf("Resultados activos por conexion: %s\n", limite > 0 ? std::to_string(limite).c_str() : "sin limite");
  db.gCnn->Close();
  return estado_salida::Exito;
}
