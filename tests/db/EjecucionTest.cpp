// Statement execution: prepared texts, quiet failures, the Oracle splitter.
#include "ConGrabador.h"

namespace {

using Ejecucion = ConGrabador;

TEST_F(Ejecucion, PreparingTheText) {
  db.gEsAdmin = false;
  struct Caso {
    const char* entrada;
    const char* enviada;
  } casos[] = {
      // A re-created view over a confidential table reads the restricted one.
      {"DROP VIEW V_X\r\nCREATE VIEW V_X AS SELECT * FROM MA_CUENTAS c",
       "DROP VIEW V_X\r\nCREATE VIEW V_X AS SELECT * FROM SS_MA_CUENTAS c"},
      {"DROP VIEW V_X\r\nCREATE VIEW V_X AS SELECT * FROM @Admin_MA_CUENTAS c",
       "DROP VIEW V_X\r\nCREATE VIEW V_X AS SELECT * FROM MA_CUENTAS c"},
      {"DROP VIEW V_X CREATE VIEW V_X AS SELECT * FROM MA_CUENTAS c DELETE",
       "DROP VIEW V_X CREATE VIEW V_X AS SELECT * FROM MA_CUENTAS c DELETE"},
      // A plain statement is not rewritten, only unmarked.
      {"UPDATE MA_CUENTAS SET a=1", "UPDATE MA_CUENTAS SET a=1"},
      {"UPDATE @admin_MA_CUENTAS SET a=1", "UPDATE MA_CUENTAS SET a=1"},
  };
  for (const Caso& c : casos) {
    std::string sql = c.entrada;
    long filas = 0;
    db.EjecutaConsultaSQL(sql, filas);
    EXPECT_EQ(sql, c.enviada);
    EXPECT_EQ(Ultima(), c.enviada);
  }
}

TEST_F(Ejecucion, AffectedRowsAndReturnedRows) {
  grabacion->Responder("UPDATE", RespuestaGrabada::Afectadas(3));
  grabacion->Responder("SELECT", RespuestaGrabada::Filas({{"n", tipo_ado::Integer}}, {{Variant(5)}}));
  std::string sql = "UPDATE T SET a=1";
  long filas = 0;
  db.EjecutaConsultaSQL(sql, filas);
  EXPECT_EQ(filas, 3);
  Recordset rs;
  sql = "SELECT n FROM T";
  db.EjecutaConsultaSQL(sql, filas, &rs);
  EXPECT_EQ(rs.Valor("N").Numero(), 5);
}

TEST_F(Ejecucion, QuietAndShownFailures) {
  grabacion->Responder("FALTA", RespuestaGrabada::Falla(ado::TablaInexistente, 208, "42S02", "Invalid object name"));
  grabacion->Responder("RARO", RespuestaGrabada::Falla(-2147217887, 0, "HY000", "Fallo raro"));
  grabacion->Responder("LARGO", RespuestaGrabada::Falla(-2147217833, 8152, "22001", "String or binary data"));
  db.EjecutaConsultaSQL("INSERT INTO FALTA VALUES (1)");
  EXPECT_TRUE(op->Mensajes().empty());
  ASSERT_EQ(db.gCnn->Errors.Count(), 1);
  EXPECT_EQ(db.gCnn->Errors.Item(0).nativo, 208);
  // The list stays after a later statement that went through.
  db.EjecutaConsultaSQL("UPDATE T SET a=1");
  EXPECT_EQ(db.gCnn->Errors.Count(), 1);

  db.EjecutaConsultaSQL("UPDATE RARO SET a=1");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Fallo raro");
  EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al operador!!! - 4");
  EXPECT_EQ(op->Mensajes()[0].estilo, 16);
  // Anything with TRANS in it never shows the dialog.
  db.EjecutaConsultaSQL("UPDATE RARO SET TRANSPORTE=1");
  EXPECT_EQ(op->Mensajes().size(), 1u);
  // A truncation is cleared from the list, silently.
  db.EjecutaConsultaSQL("UPDATE LARGO SET a='xxxxxxxx'");
  EXPECT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(db.gCnn->Errors.Count(), 0);
  // ... but kept inside a transaction.
  db.EjecutaConsultaSQL("BEGIN TRANSACTION UPDATE LARGO SET a='x'");
  EXPECT_EQ(db.gCnn->Errors.Count(), 1);
  // The other title of the twin.
  db.gCnn->Errors.Clear();
  std::string sql = "UPDATE RARO SET a=2";
  long filas = 0;
  db.EjecutaConsultaRSQL(sql, filas);
  EXPECT_EQ(op->Mensajes().back().titulo, "Aviso al operador!!!");
}

TEST_F(Ejecucion, OracleSplitter) {
  db.gCnn->Close();
  db.gServidor = "ora#";
  db.OpenServerADODB(false, 3, "", false, false);
  grabacion->Limpiar();
  grabacion->Responder("INSERT", RespuestaGrabada::Afectadas(2));
  grabacion->Responder("UPDATE", RespuestaGrabada::Afectadas(3));
  std::string sql =
      "SET NOCOUNT ON\r\nBEGIN TRANSACTION\r\nIF NOT EXISTS (SELECT 1 FROM T) CREATE TABLE T (a int)\r\nGO\r\n"
      "INSERT INTO T VALUES ('x')\r\nUPDATE [T] SET a=ISNULL(a,0)\r\nCOMMIT TRANSACTION";
  long filas = 99;
  db.EjecutaConsultaSQL(sql, filas);
  EXPECT_EQ(filas, 5);
  std::vector<std::string> llamadas;
  for (const std::string& l : grabacion->Llamadas())
    if (!l.starts_with("TiempoEspera") && !l.starts_with("Aislamiento")) llamadas.push_back(l);
  EXPECT_EQ(llamadas, (std::vector<std::string>{"BeginTrans", "CREATE TABLE T (a int)", "INSERT INTO T VALUES ('x')",
                                                "UPDATE \"T\" SET a=NVL(a,0)", "CommitTrans"}));
}

TEST_F(Ejecucion, OracleSplitsAtKeywordsInsideLiterals) {
  db.gCnn->Close();
  db.gServidor = "ora#";
  db.OpenServerADODB(false, 3, "", false, false);
  grabacion->Limpiar();
  db.EjecutaConsultaSQL("INSERT INTO T (FECHA_UPDATE ) VALUES (1)");
  EXPECT_EQ(grabacion->Sentencias(), (std::vector<std::string>{"INSERT INTO T (FECHA_", "UPDATE ) VALUES (1)"}));
  // A keyword inside a literal leaves an unmatched quote: the translation
  // fails, nothing more runs and the operator is told.
  grabacion->Limpiar();
  db.EjecutaConsultaSQL("INSERT INTO T VALUES ('a UPDATE b')");
  EXPECT_TRUE(grabacion->Sentencias().empty());
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al operador!!! - 4");
}

TEST_F(Ejecucion, SchemaHelpers) {
  grabacion->FijarTablas({"TA_USUARIOS", "  MA_CLIENTES "});
  grabacion->FijarColumnas("MA_CLIENTES", {"codigo", "NOMBRE "});
  EXPECT_TRUE(db.ExisteTablaDB("ta_usuarios"));
  EXPECT_TRUE(db.ExisteTablaDB(" ma_clientes"));
  EXPECT_FALSE(db.ExisteTablaDB("MA_OTRA"));
  EXPECT_TRUE(db.ExisteCampoDB("MA_CLIENTES", "nombre"));
  EXPECT_FALSE(db.ExisteCampoDB("MA_CLIENTES", "falta"));
  EXPECT_EQ(Ultima(), "");  // schema lists are no statements
  grabacion->Limpiar();
  EXPECT_TRUE(db.VerCampoDB("MA_CLIENTES", "falta", true, "int", false, Variant("0")));
  EXPECT_EQ(grabacion->Sentencias(),
            (std::vector<std::string>{"ALTER TABLE dbo.MA_CLIENTES ADD falta int Not Null  CONSTRAINT "
                                      "DF_MA_CLIENTES_falta DEFAULT (0)"}));
  db.AddField(" T ", " c ", "nvarchar(10)", true);
  EXPECT_EQ(Ultima(), "ALTER TABLE dbo. T  ADD  c  nvarchar(10) Null ");
  db.AddField(" T ", " c ", "nvarchar(10)", true, Variant("'x'"));
  EXPECT_EQ(Ultima(), "ALTER TABLE dbo. T  ADD  c  nvarchar(10) Null  CONSTRAINT DF_T_c DEFAULT ('x')");
  grabacion->Limpiar();
  EXPECT_TRUE(db.VerCampoDB("NO_HAY", "c", true, "int", true));
  EXPECT_TRUE(db.VerCampoDB("MA_CLIENTES", "codigo", true, "int", true));
  EXPECT_TRUE(grabacion->Sentencias().empty());
  // Oracle's columns are taken as present.
  db.gProveedor = "OraOLEDB.Oracle.1";
  EXPECT_TRUE(db.ExisteCampoDB("MA_CLIENTES", "falta"));
}

TEST_F(Ejecucion, SchemaFailureGoesToTheDialog) {
  grabacion->falloEsquema = RespuestaGrabada::Falla(ado::ErrorNoEspecificado, 0, "HY000", "sin esquema").resultado;
  op->ResponderMensaje(4);
  op->ResponderMensaje(3);
  EXPECT_FALSE(db.ExisteTablaDB("T"));
  ASSERT_EQ(op->Mensajes().size(), 2u);
  EXPECT_EQ(op->Mensajes()[0].titulo, "MotorGrabador - VerificaCampos Aviso al operador!!! - 5 ");
}

}  // namespace
