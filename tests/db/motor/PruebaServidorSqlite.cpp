// The embedded engine's answers to what a SQL Server script does beyond
// tables: USE and the default database move the connection between the
// database files beside the main one; CREATE DATABASE makes such a file;
// the login and role procedures answer as a server whose login lives with
// its database; SQL Server's collations become SQLite's own.
#include <gtest/gtest.h>

#include "db/motor/ArchivoSqlite.h"
#include "db/motor/Motor.h"
#include "db/motor/dialecto_sqlite/LlamadasProcedimiento.h"
#include "db/motor/dialecto_sqlite/Reglas.h"
#include "support/CarpetaPrueba.h"

using namespace dialecto_sqlite;

namespace {

std::string CadenaSqlite(const std::string& base) {
  return "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + base + ";UId=sa;Pwd=x;";
}

class ServidorSqlite : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CrearBaseSqlite(erp).Ok());
    m = CrearMotor(CadenaSqlite(erp));
    ASSERT_TRUE(m->Abrir(CadenaSqlite(erp), "", "").Ok());
  }
  long Nativo(const std::string& sql) {
    const Resultado r = m->Ejecutar(sql, nullptr, nullptr);
    return r.Ok() ? 0 : r.errores.at(0).nativo;
  }
  // The tables of the file the connection is on.
  std::string Tablas() {
    std::vector<std::string> t;
    EXPECT_TRUE(m->Tablas(t).Ok());
    std::string s;
    for (const auto& n : t) s += n + " ";
    return s;
  }

  CarpetaPrueba carpeta;
  std::string erp = carpeta / "erp.sqlite";
  std::unique_ptr<Motor> m;
};

TEST_F(ServidorSqlite, UseYBasePredeterminadaCambianDeArchivo) {
  ASSERT_EQ(Nativo("CREATE TABLE EN_ERP (X int)"), 0);
  EXPECT_EQ(Nativo("USE PX_ESTADISTICAS"), 911) << "no such database: the connection stays";
  EXPECT_EQ(Tablas(), "EN_ERP ");

  ASSERT_EQ(Nativo("Create Database PX_ESTADISTICAS COLLATE Latin1_General_CI_AI \r\n"), 0);
  EXPECT_EQ(Nativo("Create Database PX_ESTADISTICAS"), 1801);
  ASSERT_EQ(Nativo("USE PX_ESTADISTICAS\r\nCREATE TABLE EN_PX (Y int)"), 0);
  EXPECT_EQ(Tablas(), "EN_PX ");
  EXPECT_TRUE(m->FijarBaseDatos("px_estadisticas").Ok()) << "names match without regard to case";
  EXPECT_EQ(Tablas(), "EN_PX ");

  ASSERT_TRUE(m->FijarBaseDatos(erp).Ok());
  EXPECT_EQ(Tablas(), "EN_ERP ");
  EXPECT_TRUE(m->FijarBaseDatos("ERP").Ok()) << "the file erp.sqlite is the database ERP";
  EXPECT_EQ(Tablas(), "EN_ERP ");
  EXPECT_EQ(m->FijarBaseDatos("OTRA").errores.at(0).nativo, 911);
}

TEST_F(ServidorSqlite, UnaTransaccionAbiertaNoSeMudaDeArchivo) {
  ASSERT_EQ(Nativo("Create Database PX_ESTADISTICAS"), 0);
  ASSERT_EQ(Nativo("CREATE TABLE T (X int)"), 0);
  ASSERT_TRUE(m->ComenzarTransaccion().Ok());
  ASSERT_EQ(Nativo("INSERT INTO T VALUES (1)"), 0);
  EXPECT_EQ(Nativo("USE PX_ESTADISTICAS"), 226);
  ASSERT_TRUE(m->ConfirmarTransaccion().Ok()) << "the transaction is still the connection's";
  EXPECT_EQ(Nativo("USE PX_ESTADISTICAS"), 0);
}

// The statistics login as the start-up asks for it at two starts: first
// the database is missing; the creation script creates it and adds the
// login on it; from then on the login exists.
TEST_F(ServidorSqlite, ElLoginViveConSuBaseDeDatos) {
  const std::string login = "EXEC  sp_addlogin N'PX_ESTADISTICAS', 'KV_PROMEDIACION', 'PX_ESTADISTICAS','Spanish'";
  const Resultado falta = m->Ejecutar(login, nullptr, nullptr);
  ASSERT_FALSE(falta.Ok());
  EXPECT_EQ(falta.numero, ado::ErrorEnComando) << "no dialog: the caller reads the code";
  EXPECT_EQ(falta.errores.at(0).nativo, 15010);
  EXPECT_EQ(falta.errores.at(0).descripcion,
            "The database 'PX_ESTADISTICAS' does not exist. Supply a valid database name. To see available "
            "databases, use sys.databases.");

  ASSERT_EQ(Nativo("Create Database PX_ESTADISTICAS COLLATE Latin1_General_CI_AI \r\n"), 0);
  EXPECT_EQ(Nativo("USE PX_ESTADISTICAS\r\n"
                   "EXEC  sp_addlogin N'PX_ESTADISTICAS', 'KV_PROMEDIACION', 'PX_ESTADISTICAS'\r\n"
                   "EXEC sp_addsrvrolemember N'PX_ESTADISTICAS', sysadmin\r\n"
                   "EXEC sp_grantdbaccess @loginame = 'PX_ESTADISTICAS' , @name_in_db ='PX_ESTADISTICAS'\r\n"
                   "EXEC sp_addrolemember N'db_owner', N'PX_ESTADISTICAS'\r\n"),
            0);
  EXPECT_EQ(Nativo(login), 15025) << "added once, it exists";
  EXPECT_EQ(Nativo(" EXEC sp_addsrvrolemember N'PX_ESTADISTICAS', sysadmin EXEC sp_addsrvrolemember "
                   "N'PX_ESTADISTICAS',  setupadmin"),
            0)
      << "several calls on one line";

  // Another connection, as a later start: the database is there, the login too.
  auto otra = CrearMotor(CadenaSqlite(erp));
  ASSERT_TRUE(otra->Abrir(CadenaSqlite(erp), "", "").Ok());
  const Resultado existe = otra->Ejecutar(login, nullptr, nullptr);
  ASSERT_FALSE(existe.Ok());
  EXPECT_EQ(existe.errores.at(0).nativo, 15025);
  EXPECT_EQ(existe.errores.at(0).descripcion, "The server principal 'PX_ESTADISTICAS' already exists.");
  EXPECT_EQ(Nativo("EXEC sp_configure 'show advanced options', 1"), 2812);
}

TEST(LlamadasProcedimiento, ArgumentosPorPosicionYPorNombre) {
  const auto l = LeerLlamadas(
      " EXEC sp_addsrvrolemember N'PX', sysadmin EXECUTE master.dbo.[sp_addlogin] @defdb = 'BASE', "
      "@loginame=N'O''Hara', 'clave' EXEC sp_who");
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0].nombre, "sp_addsrvrolemember");
  EXPECT_EQ(l[0].Argumento("@loginame", 0), "PX");
  EXPECT_EQ(l[0].Argumento("@rolename", 1), "sysadmin");
  EXPECT_EQ(l[1].nombre, "sp_addlogin");
  EXPECT_EQ(l[1].Argumento("@loginame", 0), "O'Hara");
  EXPECT_EQ(l[1].Argumento("@defdb", 2), "BASE");
  EXPECT_EQ(l[1].Argumento("@passwd", 1), "") << "a third unnamed argument is not there";
  EXPECT_EQ(l[2].nombre, "sp_who");
  EXPECT_TRUE(l[2].argumentos.empty());
}

TEST(DialectoSqlite, ColacionesDeSqlServer) {
  struct {
    const char* sqlServer;
    const char* sqlite;
  } casos[] = {
      {"CREATE TABLE T (C varchar(10) COLLATE Latin1_General_CI_AI NOT NULL)",
       "CREATE TABLE T (C varchar(10) COLLATE NOCASE NOT NULL)"},
      {"SELECT * FROM T WHERE C = 'a' COLLATE SQL_Latin1_General_CP1_CS_AS",
       "SELECT * FROM T WHERE C = 'a' COLLATE BINARY"},
      {"SELECT * FROM T ORDER BY C COLLATE Latin1_General_BIN", "SELECT * FROM T ORDER BY C COLLATE BINARY"},
      {"SELECT * FROM T ORDER BY C COLLATE NOCASE", "SELECT * FROM T ORDER BY C COLLATE NOCASE"},
  };
  for (const auto& c : casos) EXPECT_EQ(TraducirSentencia(c.sqlServer), c.sqlite) << c.sqlServer;
}

TEST_F(ServidorSqlite, ClavesSinDistinguirMayusculasConLaColacionDelServidor) {
  ASSERT_EQ(Nativo("CREATE TABLE dbo.TA_CONFIGURACION (CLAVE varchar(100) COLLATE Latin1_General_CI_AI NOT NULL "
                   "PRIMARY KEY, VALOR varchar(500) NULL)"),
            0);
  ASSERT_EQ(Nativo("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TIMEOUT', '90')"), 0);
  std::unique_ptr<Cursor> c;
  ASSERT_TRUE(m->Ejecutar("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'TimeOut'", &c, nullptr).Ok());
  Resultado r;
  ASSERT_TRUE(c->Siguiente(r));
  EXPECT_EQ(c->Valor(0).Texto(), "90");
  EXPECT_EQ(Nativo("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('timeout', '1')"), 2627);
}

}  // namespace

namespace {

// As SQL Server, a view over a table that is not there yet is refused
// (208) and left uncreated, so that a script can create it later.
TEST_F(ServidorSqlite, VistaSobreUnaTablaQueNoExisteSeRechaza) {
  const Resultado r = m->Ejecutar("CREATE VIEW dbo.V_A AS\r\nSELECT X FROM A", nullptr, nullptr);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.errores.at(0).nativo, 208);
  EXPECT_EQ(r.errores.at(0).descripcion, "Invalid object name 'A'.");
  EXPECT_EQ(Tablas(), "");
  ASSERT_EQ(Nativo("CREATE TABLE A (X int)\r\nCREATE VIEW [dbo].[V_A] AS SELECT X FROM A"), 0);
  EXPECT_EQ(Tablas(), "A V_A ");
  EXPECT_EQ(Nativo("CREATE VIEW V_B AS SELECT Y FROM A"), 207) << "a missing column too";
  EXPECT_EQ(Tablas(), "A V_A ");
}

}  // namespace
