// The configuration store on a real embedded database, and its reading
// statement on the recording engine.
#include "support/BaseDePrueba.h"
#include "services/Configuracion.h"
#include "sivlib/ValoresGlobales.h"

namespace {

using Configuracion = ConBaseSqlite;

TEST_F(Configuracion, MissingKeyReadsOneBlankAndClearsTheAuxiliaryValue) {
  std::string aux = "previo";
  EXPECT_EQ(Cfg("NO_EXISTE", aux), " ");
  EXPECT_EQ(aux, "");
  EXPECT_EQ(gTablaConfiguracion, "TA_CONFIGURACION") << "a blank table name is filled in";
}

TEST_F(Configuracion, WrittenKeyIsStoredUpperCasedAndReadInAnyCase) {
  GrabaDfg(" nro_paquete ", Variant(15), "", false, "Vorna");
  EXPECT_EQ(Consultar("SELECT CLAVE, VALOR, GRUPO, POLITICANEGOCIO FROM TA_CONFIGURACION"),
            (Filas{{"NRO_PAQUETE", "15", "Vorna", "0"}}));
  EXPECT_EQ(Cfg("nro_paquete"), "15");
  GrabaDfg("Nro_Paquete", Variant(16), "", true);
  EXPECT_EQ(Consultar("SELECT CLAVE, VALOR, POLITICANEGOCIO FROM TA_CONFIGURACION"),
            (Filas{{"NRO_PAQUETE", "16", "1"}}))
      << "the same key, written again, changes its one row";
}

TEST_F(Configuracion, EmptyAuxiliaryValueKeepsTheStoredOne) {
  GrabaDfg("CLAVE1", Variant("a"), "aux1");
  GrabaDfg("CLAVE1", Variant("b"), "");
  std::string aux;
  EXPECT_EQ(Cfg("CLAVE1", aux), "b");
  EXPECT_EQ(aux, "aux1");
  GrabaDfg("CLAVE1", Variant("c"), " aux2 ");
  EXPECT_EQ(Cfg("CLAVE1", aux), "c");
  EXPECT_EQ(aux, "aux2");
}

TEST_F(Configuracion, ValueIsTrimmedOnlyWhenAsked) {
  GrabaDfg("RECORTADO", Variant("  x  "));
  GrabaDfg("CRUDO", Variant("  x  "), "", false, "", false);
  EXPECT_EQ(Cfg("RECORTADO"), "x");
  EXPECT_EQ(Cfg("CRUDO"), "  x  ");
}

TEST_F(Configuracion, ApostrophesInKeysAndValuesNeitherBreakNorAlterTheStatements) {
  GrabaDfg("O'BRIEN", Variant("it's ' OR '1'='1"), "l'aux");
  GrabaDfg("OTRA", Variant("intacta"));
  std::string aux;
  EXPECT_EQ(Cfg("o'brien", aux), "it's ' OR '1'='1");
  EXPECT_EQ(aux, "l'aux");
  EXPECT_EQ(Cfg("OTRA"), "intacta");
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM TA_CONFIGURACION"), (Filas{{"2"}}));
}

TEST_F(Configuracion, ThemeWithoutValueReadsOne) {
  EXPECT_EQ(Cfg("theme"), "1");
  GrabaDfg("THEME", Variant(""));
  EXPECT_EQ(Cfg("THEME"), "1");
  GrabaDfg("THEME", Variant("3"));
  EXPECT_EQ(Cfg("Theme"), "3");
}

TEST_F(Configuracion, NullColumnsReadAsEmptyText) {
  Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES ('NULOS', NULL, NULL)");
  std::string aux = "x";
  EXPECT_EQ(Cfg("NULOS", aux), "");
  EXPECT_EQ(aux, "");
}

TEST_F(Configuracion, BeforeTheConnectionOpensNothingIsRead) {
  GrabaDfg("CLAVE", Variant("v"));
  CerrarBases();
  std::string aux = "sin tocar";
  EXPECT_EQ(Cfg("CLAVE", aux), "");
  EXPECT_EQ(aux, "sin tocar");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(Configuracion, StatisticsTwinReadsAndWritesItsOwnDatabase) {
  const std::string estadisticas = carpeta / "estadisticas.sqlite";
  EjecutarSqlite(estadisticas,
                 "CREATE TABLE TA_CONFIGURACION (CLAVE varchar(100) PRIMARY KEY, VALOR varchar(500), "
                 "VALORAUX varchar(500), GRUPO varchar(50), POLITICANEGOCIO bit NOT NULL DEFAULT 0)");
  DB_Dll& px = DBEstadisticas();
  px.gServidor = "sqlite";
  px.gDBName = estadisticas;
  px.OpenServerADODB(false, 3, "", false, false);
  ASSERT_TRUE(px.gOpenFlag);
  GrabaCfgPX("TimeOut", Variant(0), "", false, "BaseDeDatos", true);
  EXPECT_EQ(CfgPX("TIMEOUT"), "0");
  EXPECT_EQ(Cfg("TIMEOUT"), " ") << "the main database is another one";
  EXPECT_EQ(ConsultarSqlite(estadisticas, "SELECT CLAVE, VALOR, GRUPO FROM TA_CONFIGURACION"),
            (Filas{{"TIMEOUT", "0", "BaseDeDatos"}}));
}

TEST_F(Configuracion, DatabaseWithoutTheTableAsksTheOperatorAndReadsNothing) {
  const std::string vacia = carpeta / "vacia.sqlite";
  EjecutarSqlite(vacia, "CREATE TABLE OTRA (X int)");
  Abrir(vacia);
  EXPECT_EQ(Cfg("CLAVE"), "");
  ASSERT_FALSE(op->Mensajes().empty());
  EXPECT_NE(op->Mensajes().back().titulo.find("Cfg"), std::string::npos);
  GrabaDfg("CLAVE", Variant("v"));
  EXPECT_EQ(ConsultarSqlite(vacia, "SELECT name FROM sqlite_master WHERE name LIKE 'TA_%'"), Filas{});
}

class ConfiguracionSentencias : public ConGrabador {};

TEST_F(ConfiguracionSentencias, ReadingStatementTexts) {
  ResponderFilas("SELECT", {{"VALOR", tipo_ado::VarWChar}, {"valoraux", tipo_ado::VarWChar}}, {});
  gTablaConfiguracion = "ta_configuracion";
  Cfg(" Nro_Paquete ");
  Cfg("[Fecha Hasta]");
  Cfg("O'X");
  EXPECT_EQ(Sentencias(),
            (std::vector<std::string>{
                "SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'Nro_Paquete'",
                "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA HASTA]'",
                "SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'O''X'"}));
}

TEST_F(ConfiguracionSentencias, WritingLooksTheRowUpInTheTableInUse) {
  ResponderFilas("SELECT", {{"CLAVE", tipo_ado::VarWChar}, {"VALOR", tipo_ado::VarWChar}}, {});
  gTablaConfiguracion = "ta_configuracion";
  GrabaDfg("Nro_Paquete", Variant(16));
  ASSERT_FALSE(Sentencias().empty());
  EXPECT_EQ(Sentencias().front(), "SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'Nro_Paquete'");
}

}  // namespace
