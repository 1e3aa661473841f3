// The start-up sequence run in-process on real embedded databases (and on
// the recording engine where only the order of the work matters).
#include "app/IniciarSesion.h"

#include <memory>

#include "db/VentanaAcceso.h"
#include "support/BaseDePrueba.h"
#include "sivlib/ValoresGlobales.h"

namespace {

// A login window that records what it was shown and answers as told.
class AccesoDePrueba : public VentanaAcceso {
 public:
  bool Mostrar(DatosAcceso& datos) override {
    mostrado.push_back(datos);
    if (!aceptar) return false;
    datos = respuesta;
    return true;
  }
  bool aceptar = false;
  DatosAcceso respuesta;
  std::vector<DatosAcceso> mostrado;
};

class IniciarSesionSqlite : public ConBaseSqlite {
 protected:
  void SetUp() override {
    ConBaseSqlite::SetUp();
    CerrarBases();
    gTiempoComandos = 0;
    gParametroAdicional.clear();
    FijarVentanaAcceso(acceso);
  }
  void TearDown() override {
    FijarVentanaAcceso(nullptr);
    ConBaseSqlite::TearDown();
  }
  bool Iniciar(const std::string& lanzamiento) {
    std::string cadena;
    return IniciarSesion(false, lanzamiento, cadena, 3);
  }
  // As the scheduled task writes it, with its trailing token.
  std::string Lanzamiento() {
    return "@server=sqlite; @dbname= " + base + "; @usuario= ana; @ParametroAdicional=1; ombu@";
  }
  // The statistics database beside the main one, with its configuration table.
  std::string CrearEstadisticas() {
    const std::string px = carpeta / "PX_ESTADISTICAS.sqlite";
    EjecutarSqlite(px,
                   "CREATE TABLE TA_CONFIGURACION (CLAVE varchar(100) NOT NULL COLLATE NOCASE PRIMARY KEY, "
                   "VALOR varchar(500), VALORAUX varchar(500), GRUPO varchar(50), "
                   "POLITICANEGOCIO bit NOT NULL DEFAULT 0)");
    return px;
  }

  std::shared_ptr<AccesoDePrueba> acceso = std::make_shared<AccesoDePrueba>();
};

TEST_F(IniciarSesionSqlite, OpensTheDatabaseLoadsTheFlagsAndLogsTheStart) {
  CrearEstadisticas();  // a start after the first: nothing to provision
  Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('SS_CONFIDENCIALIDAD', 'SI')");
  ASSERT_TRUE(Iniciar(Lanzamiento()));
  EXPECT_TRUE(acceso->mostrado.empty()) << "server and user given: no login window";
  EXPECT_EQ(gParametroAdicional, "1");
  EXPECT_EQ(gUsuarioLogeado, "ana");
  EXPECT_EQ(gCaja, "1");
  EXPECT_TRUE(gConfidencialidad);
  EXPECT_EQ(gTablaConfiguracion, "ta_configuracion");
  EXPECT_EQ(gColorFondo, 0xFFFF00) << "the flags' default replaces the start-up white";
  EXPECT_EQ(Consultar("SELECT Usuario, NombreUsuario FROM Control_Acceso"), (Filas{{"ANA", "ana"}}));
  EXPECT_FALSE(gCarpetaAplicacion.empty());
  EXPECT_EQ(gCarpetaAplicacion.back(), '/');
  EXPECT_TRUE(op->Mensajes().empty());
}

// The test program's folder holds no schema script "completopxe.sql": the
// statistics database cannot be created, and the run goes on without it.
TEST_F(IniciarSesionSqlite, WithoutStatisticsDatabaseTheRunUsesThreeHundredSixtySeconds) {
  ASSERT_TRUE(Iniciar(Lanzamiento()));
  EXPECT_EQ(gTiempoComandos, 360);
  EXPECT_EQ(db.gCnn->CommandTimeout, 360);
  EXPECT_EQ(db.gCnn->IsolationLevel, 256);
  EXPECT_NE(DBEstadisticas().gCnn->State(), estado_objeto::Abierto);
  EXPECT_FALSE(Existe(carpeta / "PX_ESTADISTICAS.sqlite")) << "opening never creates the file";
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "No se encuentra el archivo " + gCarpetaAplicacion +
                                         "completopxe.sql, Por favor, ingrese la ruta donde se encuentra! ");
}

TEST_F(IniciarSesionSqlite, StatisticsTimeOutGivesTheCommandTimeOut) {
  const std::string px = CrearEstadisticas();
  EjecutarSqlite(px, "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TIMEOUT', '90')");
  ASSERT_TRUE(Iniciar(Lanzamiento()));
  EXPECT_EQ(gTiempoComandos, 90);
  EXPECT_EQ(db.gCnn->CommandTimeout, 90);
  EXPECT_EQ(DBEstadisticas().gCnn->State(), estado_objeto::Abierto);
}

// The stored text read as a number; what cannot be a time-out leaves 360.
TEST_F(IniciarSesionSqlite, StoredTimeOutTexts) {
  const std::string px = CrearEstadisticas();
  for (auto [valor, segundos] : std::vector<std::pair<std::string, int>>{
           {"45 segundos", 45}, {"0", 360}, {"", 360}, {"-5", 360}, {"99999", 360}}) {
    CerrarBases();
    EjecutarSqlite(px,
                   "DELETE FROM TA_CONFIGURACION; INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES "
                   "('TimeOut', '" +
                       valor + "')");
    ASSERT_TRUE(Iniciar(Lanzamiento())) << valor;
    EXPECT_EQ(gTiempoComandos, segundos) << valor;
    EXPECT_EQ(db.gCnn->CommandTimeout, segundos) << valor;
  }
}

TEST_F(IniciarSesionSqlite, MissingStatisticsKeyIsCreatedWithZero) {
  const std::string px = CrearEstadisticas();
  ASSERT_TRUE(Iniciar(Lanzamiento()));
  EXPECT_EQ(gTiempoComandos, 360);
  EXPECT_EQ(ConsultarSqlite(px, "SELECT CLAVE, VALOR, GRUPO FROM TA_CONFIGURACION"),
            (Filas{{"TIMEOUT", "0", "BaseDeDatos"}}));
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM TA_CONFIGURACION"), (Filas{{"0"}})) << "not in the main database";
}

TEST_F(IniciarSesionSqlite, SecondCallOnlyRedoesTheFlagsAndTheLog) {
  ASSERT_TRUE(Iniciar(Lanzamiento()));
  ASSERT_TRUE(Iniciar("@server=otro; @dbname=otra; @usuario=luis; @ParametroAdicional=2;"));
  EXPECT_EQ(gParametroAdicional, "1");
  EXPECT_EQ(db.gDBName, base);
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM Control_Acceso"), (Filas{{"2"}}));
}

TEST_F(IniciarSesionSqlite, WithoutServerOrUserTheOperatorIsAskedForTheConnectionData) {
  EXPECT_FALSE(Iniciar(" "));
  ASSERT_EQ(acceso->mostrado.size(), 1u);
  EXPECT_EQ(acceso->mostrado[0].servidor, "");
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM Control_Acceso"), (Filas{{"0"}}));

  acceso->aceptar = true;
  acceso->respuesta = {"ana", "", base, "sqlite", 0};
  EXPECT_TRUE(Iniciar("@server=sqlite; @dbname=" + base + ";"));
  EXPECT_EQ(acceso->mostrado.size(), 2u);
  EXPECT_EQ(acceso->mostrado[1].servidor, "sqlite") << "what the launch string gave is offered";
  EXPECT_EQ(gUsuarioLogeado, "ana");
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM Control_Acceso"), (Filas{{"1"}}));
}

TEST_F(IniciarSesionSqlite, DatabaseWithoutTheProgramsTablesStillStarts) {
  const std::string ajena = carpeta / "ajena.sqlite";
  EjecutarSqlite(ajena, "CREATE TABLE OTRA (X int)");
  ASSERT_TRUE(Iniciar("@server=sqlite; @dbname=" + ajena + "; @usuario=ana;"));
  EXPECT_FALSE(op->Mensajes().empty()) << "the failed reads went to the operator";
  EXPECT_EQ(gUsuarioLogeado, "ana");
  EXPECT_EQ(ConsultarSqlite(ajena, "SELECT name FROM sqlite_master"), (Filas{{"OTRA"}})) << "nothing written";
}

class IniciarSesionGrabado : public ConGrabador {
 protected:
  void SetUp() override {
    ConGrabador::SetUp();
    CerrarBases();
    grabacion->Limpiar();
  }
};

TEST_F(IniciarSesionGrabado, EmptyDatabaseNameSkipsTheFlagsButLogsTheStart) {
  gColorFondo = 5;
  gColorLetra = 5;
  std::string cadena;
  ASSERT_TRUE(IniciarSesion(false, "@server=srv; @dbname=; @usuario=ana;", cadena, 3));
  EXPECT_EQ(gColorFondo, 0xFFFFFF) << "white until the flags are loaded";
  EXPECT_EQ(gColorLetra, 0);
  EXPECT_EQ(gArchivoAyuda, gCarpetaAplicacion + "htmlhelp/omranetplus.chm");
  bool flags = false, acceso = false;
  for (const std::string& s : Sentencias()) {
    flags = flags || s.find("ta_usuarios") != std::string::npos || s.find("CantidadDecimales") != std::string::npos;
    acceso = acceso || s.find("INSERT INTO Control_Acceso") != std::string::npos;
  }
  EXPECT_FALSE(flags);
  EXPECT_TRUE(acceso);
}

TEST_F(IniciarSesionGrabado, OracleMarkerFillsTheConnectionString) {
  std::string cadena;
  IniciarSesion(false, "@server=#ORCL; @dbname=XE; @usuario=ana; @Password=pw;", cadena, 3);
  EXPECT_EQ(cadena, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=ana;Password=pw;");
  EXPECT_EQ(db.gServidor, "ORCL");
  std::vector<std::string> aperturas;
  for (const std::string& l : grabacion->Llamadas())
    if (l.rfind("Abrir ", 0) == 0) aperturas.push_back(l);
  ASSERT_FALSE(aperturas.empty());
  EXPECT_EQ(aperturas[0], "Abrir Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=ana;Password=pw;");
}

}  // namespace
