// The login and database statements with their exact texts, on the
// recording engine answering as SQL Server does.
#include "provisioning/CrearLogin.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "GuionDePrueba.h"
#include "provisioning/LoginEstadisticas.h"
#include "sivlib/Operador.h"
#include "sivlib/ValoresGlobales.h"

namespace {

const std::string kAgregarEstadisticas =
    "EXEC  sp_addlogin N'PX_ESTADISTICAS', 'KV_PROMEDIACION', 'PX_ESTADISTICAS','Spanish'";

// Server roles, access and database roles of the login `u`, as CrearLogin sends them.
std::vector<std::string> Otorgamientos(const std::string& u) {
  return {" EXEC sp_addsrvrolemember N'" + u + "', sysadmin EXEC sp_addsrvrolemember N'" + u +
              "', securityadmin EXEC sp_addsrvrolemember N'" + u + "', serveradmin EXEC sp_addsrvrolemember N'" + u +
              "',  setupadmin EXEC sp_addsrvrolemember N'" + u + "', processadmin EXEC sp_addsrvrolemember N'" + u +
              "', diskadmin EXEC sp_addsrvrolemember N'" + u + "', dbcreator",
          " EXEC sp_grantdbaccess @loginame = '" + u + "' , @name_in_db ='" + u + "'",
          " EXEC sp_addrolemember N'db_accessadmin', N'" + u + "' EXEC sp_addrolemember N'db_backupoperator', N'" + u +
              "' EXEC sp_addrolemember N'db_datareader', N'" + u + "' EXEC sp_addrolemember N'db_datawriter', N'" + u +
              "' EXEC sp_addrolemember N'db_ddladmin', N'" + u + "' EXEC sp_addrolemember N'db_owner', N'" + u +
              "' EXEC sp_addrolemember N'db_securityadmin', N'" + u + "'"};
}

std::vector<std::string> Unir(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Without the session set-up a connection sends when it opens.
std::vector<std::string> SinPreparacion(std::vector<std::string> s) {
  std::erase_if(s, [](const std::string& x) { return x.rfind("SET DATEFORMAT", 0) == 0; });
  return s;
}

RespuestaGrabada Nativo(long codigo, const std::string& descripcion) {
  return RespuestaGrabada::Falla(ado::ErrorEnComando, codigo, "42000", descripcion);
}

class CrearLoginGrabado : public ConGrabador {
 protected:
  EsquemaJuntoAlPrograma esquema{carpeta.Ruta()};
  VariableEntorno path{"PATH", std::string(ABRIDOR_DE_PRUEBA) + ":/usr/bin:/bin"};
};

TEST_F(CrearLoginGrabado, ConElLoginEnElServidorSoloSeIntentaAgregarlo) {
  grabacion->Responder("sp_addlogin", Nativo(15025, "The server principal 'PX_ESTADISTICAS' already exists."));
  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);
  EXPECT_EQ(Sentencias(), std::vector<std::string>{kAgregarEstadisticas});
  EXPECT_TRUE(op->Mostrados().empty());
}

// The database exists, the login does not: it is created and granted in
// the connection's current database.
TEST_F(CrearLoginGrabado, LoginNuevoSobreUnaBaseExistente) {
  CrearLogin("VENTAS", "ANA", "clave");
  EXPECT_EQ(Sentencias(), Unir({"EXEC  sp_addlogin N'ANA', 'clave', 'VENTAS','Spanish'"}, Otorgamientos("ANA")));
  EXPECT_TRUE(op->Mostrados().empty());
}

TEST_F(CrearLoginGrabado, ClaveQueLaPoliticaRechazaSeAvisaYLosRolesSeEnvianIgual) {
  const std::string politica =
      "Password validation failed. The password does not meet Windows policy requirements because it is too short.";
  grabacion->Responder("sp_addlogin", Nativo(15116, politica));
  CrearLogin("VENTAS", "ANA", "x");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto,
            politica + "\r\nDebe cambiar la contraseña del Usuario ANA para que cumpla con las directivas de Windows.");
  EXPECT_EQ(op->Mensajes()[0].estilo, botones::OK);
  EXPECT_EQ(Sentencias(), Unir({"EXEC  sp_addlogin N'ANA', 'x', 'VENTAS','Spanish'"}, Otorgamientos("ANA")));
}

// Neither login nor database: the statistics database is created with its
// own login, whatever login was asked for, the statistics connection is
// reopened on it (server name normalised), the schema script runs there,
// and then the asked-for login gets its roles.
TEST_F(CrearLoginGrabado, SinBaseSeCreaLaBaseDeEstadisticas) {
  db.gServidor = "red/SRV01:1433";
  grabacion->Responder("sp_addlogin",
                       Nativo(15010, "The database 'VENTAS' does not exist. Supply a valid database name."), 1);
  CrearLogin("VENTAS", "ANA", "clave");

  const std::string u = "N'PX_ESTADISTICAS";
  const std::string creacion =
      "Create Database PX_ESTADISTICAS COLLATE Latin1_General_CI_AI \r\r\n"
      "GO\r\r\n"
      "USE PX_ESTADISTICAS\r\r\n"
      "EXEC  sp_addlogin N'PX_ESTADISTICAS', 'KV_PROMEDIACION', 'PX_ESTADISTICAS'\r\n"
      "EXEC sp_addsrvrolemember " +
      u +
      "', sysadmin\r\n"
      "EXEC sp_addsrvrolemember " +
      u +
      "', securityadmin\r\n"
      "EXEC sp_addsrvrolemember " +
      u +
      "', serveradmin\r\n"
      "EXEC sp_addsrvrolemember " +
      u +
      "',  setupadmin\r\n"
      "EXEC sp_addsrvrolemember " +
      u +
      "', processadmin\r\n"
      "EXEC sp_addsrvrolemember " +
      u +
      "', diskadmin\r\n"
      "EXEC sp_addsrvrolemember " +
      u +
      "', dbcreator\r\n"
      "EXEC sp_grantdbaccess @loginame = 'PX_ESTADISTICAS' , @name_in_db ='PX_ESTADISTICAS'\r\n"
      "EXEC sp_addrolemember N'db_accessadmin', " +
      u +
      "'\r\n"
      "EXEC sp_addrolemember N'db_backupoperator', " +
      u +
      "'\r\n"
      "EXEC sp_addrolemember N'db_datareader', " +
      u +
      "'\r\n"
      "EXEC sp_addrolemember N'db_datawriter', " +
      u +
      "'\r\n"
      "EXEC sp_addrolemember N'db_ddladmin', " +
      u +
      "'\r\n"
      "EXEC sp_addrolemember N'db_owner', " +
      u +
      "'\r\n"
      "EXEC sp_addrolemember N'db_securityadmin', " +
      u + "'\r\n";
  const std::string cdb7 = carpeta / "CDB7.SQL";
  EXPECT_EQ(LeerArchivo(cdb7), creacion);
  struct stat st {};
  ASSERT_EQ(stat(cdb7.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "it holds the login's password";

  const std::vector<std::string> s = SinPreparacion(Sentencias());
  ASSERT_EQ(s.size(), 10u);
  EXPECT_EQ(s[0], "EXEC  sp_addlogin N'ANA', 'clave', 'VENTAS','Spanish'");
  EXPECT_EQ(s[1], "SET NOCOUNT ON");
  EXPECT_EQ(s[2], "Create Database PX_ESTADISTICAS COLLATE Latin1_General_CI_AI \r\n");
  EXPECT_EQ(s[3], creacion.substr(creacion.find("USE ")).replace(19, 3, "\r\n"));
  EXPECT_EQ(s[4], "SET NOCOUNT ON");
  EXPECT_EQ(s[5].rfind("CREATE TABLE dbo.TA_CONFIGURACION (\r\n", 0), 0u) << s[5];
  EXPECT_EQ(s[6].rfind("INSERT INTO dbo.TA_CONFIGURACION", 0), 0u) << s[6];
  EXPECT_EQ(std::vector<std::string>(s.begin() + 7, s.end()), Otorgamientos("ANA"));

  // The statistics connection opens between the two scripts, on the new database.
  const std::vector<std::string> llamadas = grabacion->Llamadas();
  const auto apertura = std::find(llamadas.begin(), llamadas.end(),
                                  "Abrir PROVIDER=SQLOLEDB;Server=SRV01;Database =PX_ESTADISTICAS;"
                                  "UId=PX_ESTADISTICAS;Pwd=KV_PROMEDIACION;");
  ASSERT_NE(apertura, llamadas.end());
  EXPECT_LT(std::find(llamadas.begin(), llamadas.end(), s[3]), apertura);
  const auto fijar = std::find(apertura, llamadas.end(), "FijarBaseDatos PX_ESTADISTICAS");
  EXPECT_NE(fijar, llamadas.end());
  EXPECT_LT(fijar, std::find(apertura, llamadas.end(), s[5]));
  EXPECT_TRUE(DBEstadisticas().gOpenFlag);
  EXPECT_EQ(DBEstadisticas().gDBName, "PX_ESTADISTICAS");
  EXPECT_TRUE(op->Mostrados().empty()) << "the creation's own answers are not failures";
}

TEST_F(CrearLoginGrabado, SinElGuionDeEsquemaNoSeCreaNada) {
  gCarpetaAplicacion = carpeta / "instalacion/";
  grabacion->Responder("sp_addlogin", Nativo(15010, "The database does not exist."));
  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "No se encuentra el archivo " + carpeta.Ruta() +
                                         "instalacion/completopxe.sql, Por favor, ingrese la ruta donde se "
                                         "encuentra! ");
  EXPECT_FALSE(Existe(carpeta / "CDB7.SQL"));
  EXPECT_EQ(Sentencias(), Unir({kAgregarEstadisticas}, Otorgamientos("PX_ESTADISTICAS")));
}

// TEMP of blanks: the creation script goes to the library's temporary folder.
TEST_F(CrearLoginGrabado, TempEnBlancoUsaLaCarpetaTemporalDeLaBiblioteca) {
  std::filesystem::create_directory(carpeta / "tmp");
  VariableEntorno temp("TEMP", "   ");
  VariableEntorno tmp("TMP", carpeta / "tmp");
  grabacion->Responder("sp_addlogin", Nativo(15010, "The database does not exist."), 1);
  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);
  EXPECT_TRUE(Existe(carpeta / "tmp/CDB7.SQL"));
  EXPECT_FALSE(Existe(carpeta / "CDB7.SQL"));
  EXPECT_EQ(ArchivosDeErrores(carpeta / "tmp").size(), 1u) << "the runner's error file goes there too";
}

// The creation script cannot be written: the general error dialog, with no
// routine name, decides; leaving creates nothing, and the login's roles are
// still sent.
TEST_F(CrearLoginGrabado, GuionDeCreacionQueNoSePuedeEscribir) {
  VariableEntorno temp("TEMP", carpeta / "no_existe");
  grabacion->Responder("sp_addlogin", Nativo(15010, "The database does not exist."), 1);
  op->ResponderMensaje(respuesta::Reintentar);
  op->ResponderMensaje(respuesta::Abortar);
  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);
  ASSERT_EQ(op->Mensajes().size(), 2u) << "retried once, then left";
  EXPECT_NE(op->Mensajes()[0].texto.find(carpeta / "no_existe/CDB7.SQL"), std::string::npos) << op->Mensajes()[0].texto;
  EXPECT_EQ(op->Mensajes()[0].titulo, "UT_VORNA Aviso al operador!!! - 2 ") << "no routine name";
  EXPECT_EQ(SinPreparacion(Sentencias()), Unir({kAgregarEstadisticas}, Otorgamientos("PX_ESTADISTICAS")));
  EXPECT_FALSE(DBEstadisticas().gOpenFlag);
}

// A creation script someone else left is replaced, never written through.
TEST_F(CrearLoginGrabado, ElGuionDeCreacionSeReemplaza) {
  std::filesystem::create_directory(carpeta / "otro");
  EscribirArchivo(carpeta / "otro/destino", "ajeno");
  std::filesystem::create_symlink(carpeta / "otro/destino", carpeta / "CDB7.SQL");
  grabacion->Responder("sp_addlogin", Nativo(15010, "The database does not exist."), 1);
  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);
  EXPECT_EQ(LeerArchivo(carpeta / "otro/destino"), "ajeno");
  EXPECT_FALSE(std::filesystem::is_symlink(carpeta / "CDB7.SQL"));
  EXPECT_EQ(LeerArchivo(carpeta / "CDB7.SQL").rfind("Create Database PX_ESTADISTICAS", 0), 0u);
}

// A creation script another user left in a folder every user shares (as
// /tmp under cron) can neither be removed nor replaced: this user's script
// goes to a folder of its own inside it, and the other file stays as it is.
TEST_F(CrearLoginGrabado, ElGuionDeOtroUsuarioNoImpideLaCreacion) {
  const std::string ajeno = carpeta / "CDB7.SQL";
  EscribirArchivo(ajeno, "ajeno");
  if (::chown(ajeno.c_str(), 65534, 65534) != 0) GTEST_SKIP() << "only root can give a file to another user";
  grabacion->Responder("sp_addlogin", Nativo(15010, "The database does not exist."), 1);
  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);
  EXPECT_EQ(LeerArchivo(ajeno), "ajeno");
  const std::string propia = carpeta / ("ut_vorna-" + std::to_string(::geteuid()));
  struct stat st {};
  ASSERT_EQ(::stat(propia.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(LeerArchivo(propia + "/CDB7.SQL").rfind("Create Database PX_ESTADISTICAS", 0), 0u);
  EXPECT_TRUE(op->Mensajes().empty());
}

// On Oracle no SQL Server procedure is called: one user script, cut into
// one CREATE USER, one ALTER USER and 69 GRANT statements.
TEST_F(CrearLoginGrabado, EnOracleUnGuionDeUsuario) {
  CerrarBases();
  db.gServidor = "srv#";
  db.OpenServerADODB(false, 3, "", false, false);
  ASSERT_TRUE(db.gOpenFlag);
  db.gProveedor = "OraOLEDB.Oracle.1";
  grabacion->Limpiar();
  CrearLogin(kBaseEstadisticas, kUsuarioEstadisticas, kClaveEstadisticas);
  int crear = 0, alterar = 0, otorgar = 0;
  for (const std::string& s : Sentencias()) {
    crear += s.rfind("CREATE USER PX_ESTADISTICAS IDENTIFIED BY \"KV_PROMEDIACION\"", 0) == 0;
    alterar += s.rfind("ALTER USER PX_ESTADISTICAS DEFAULT ROLE DBA,\"CONNECT\"", 0) == 0;
    otorgar += s.rfind("GRANT ", 0) == 0;
  }
  EXPECT_EQ(Sentencias().size(), 71u);
  EXPECT_EQ(crear, 1);
  EXPECT_EQ(alterar, 1);
  EXPECT_EQ(otorgar, 69);
  const auto s = Sentencias();
  EXPECT_NE(std::find_if(s.begin(), s.end(),
                         [](const std::string& x) {
                           return x.rfind("GRANT \"RESOURCE\" TO PX_ESTADISTICAS WITH ADMIN OPTION", 0) == 0;
                         }),
            s.end());
  EXPECT_NE(std::find_if(s.begin(), s.end(),
                         [](const std::string& x) {
                           return x.rfind(
                                      "GRANT EXECUTE ON XDB.XDB_DATASTORE_PROC TO PX_ESTADISTICAS WITH GRANT OPTION",
                                      0) == 0;
                         }),
            s.end());
}

}  // namespace
