// Record lookups: the exact SELECT texts and the dialog of their failures.
#include "ConGrabador.h"

namespace {

class Lecturas : public ConGrabador {
 protected:
  // Any other SELECT reads one empty column (the first matching rule answers).
  void Vacias() { Filas("SELECT", {{"x", tipo_ado::VarWChar}}, {}); }
};

TEST_F(Lecturas, ExisteEnTablaTexts) {
  Vacias();
  struct Caso {
    std::optional<int> tipo;
    const char* valor;
    const char* condicion;
    const char* esperado;
  } casos[] = {
      {8, " ab ", "", "SELECT TOP 1  * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='ab'"},
      {7, " 01/02/2026 ", "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C = 01/02/2026 "},
      {3, "12abc", "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C = 12"},
      {5, "abc", "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C = 0"},
      {4, " 1.5", "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C = 1.5"},
      {std::nullopt, " x ", "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C =  x "},
      {11, "1", "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C = 1"},
      {8, "v", "a=1", "SELECT TOP 1 * FROM T with(nolock)  WHERE a=1"},
      {8, "v", "WHERE a=1", "SELECT TOP 1 * FROM T with(nolock)  WHERE WHERE a=1"},
      {8, "v", "x where a=1", "SELECT TOP 1 * FROM T with(nolock)  x where a=1"},
  };
  for (const Caso& c : casos) {
    db.ExisteEnTabla("T", c.valor, "C", nullptr, c.tipo, c.condicion);
    EXPECT_EQ(Ultima(), c.esperado) << c.valor << "|" << c.condicion;
  }
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(Lecturas, ExisteEnTablaSTTexts) {
  Vacias();
  struct Caso {
    std::optional<int> tipo;
    const char* valor;
    const char* condicion;
    const char* esperado;
  } casos[] = {
      {8, " ab ", "", "SELECT * FROM T with(nolock)   WHERE C =' ab '"},
      {7, " 01/02/2026 ", "", "SELECT * FROM T with(nolock)   WHERE C = 01/02/2026 "},
      {3, "12abc", "", "SELECT * FROM T with(nolock)   WHERE C = 12"},
      {std::nullopt, "x", "", "SELECT * FROM T with(nolock)   WHERE C = x"},
      {8, "v", "a=1", "SELECT * FROM T with(nolock)   WHERE a=1"},
      {8, "v", " WHERE a=1", "SELECT * FROM T with(nolock)    WHERE a=1"},
  };
  for (const Caso& c : casos) {
    db.ExisteEnTablaST("T", c.valor, "C", nullptr, c.tipo, c.condicion);
    EXPECT_EQ(Ultima(), c.esperado) << c.valor << "|" << c.condicion;
  }
}

TEST_F(Lecturas, ExistenceIsTrueWhenARowComes) {
  Filas("FROM HAY", {{"C", tipo_ado::VarWChar}}, {{Variant("a")}});
  Vacias();
  EXPECT_TRUE(db.ExisteEnTabla("HAY", "a", "C", nullptr, 8));
  EXPECT_FALSE(db.ExisteEnTabla("NOHAY", "a", "C", nullptr, 8));
  // The caller's recordset stays open on the first row.
  Recordset rs;
  EXPECT_TRUE(db.ExisteEnTabla("HAY", "a", "C", &rs, 8));
  EXPECT_EQ(rs.State(), estado_objeto::Abierto);
  EXPECT_EQ(rs.Valor("c").Texto(), "a");
}

TEST_F(Lecturas, RestrictedUserAndOracle) {
  Vacias();
  db.gEsAdmin = false;
  db.ExisteEnTabla("MA_CUENTAS", "1", "C", nullptr, 3);
  EXPECT_EQ(Ultima(), "SELECT TOP 1 * FROM SS_MA_CUENTAS with(nolock)  WHERE C = 1");
  // The unrestricted twin rewrites nothing.
  db.ExisteEnTablaST("MA_CUENTAS", "1", "C", nullptr, 3);
  EXPECT_EQ(Ultima(), "SELECT * FROM MA_CUENTAS with(nolock)   WHERE C = 1");
}

TEST_F(Lecturas, DatosTablaTexts) {
  Vacias();
  struct Caso {
    std::optional<int> tipo;
    bool usaTrim;
    const char* condicion;
    const char* esperado;
  } casos[] = {
      {8, true, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='v' "},
      {8, true, "b=2", "SELECT TOP 1 * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='v'  AND b=2"},
      {8, false, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C =' v ' "},
      {8, true, "   ", "SELECT TOP 1 * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='v'    "},
      {7, true, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C = #v# "},
      {3, true, "b=2", "SELECT TOP 1 * FROM T with(nolock)  WHERE C = 0 AND b=2"},
      {std::nullopt, true, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C =  v "},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(db.DatosTabla("T", " v ", "x", "C", c.tipo, c.condicion, c.usaTrim).Texto(), "");
    EXPECT_EQ(Ultima(), c.esperado) << c.condicion;
  }
}

TEST_F(Lecturas, DatosTablaReturnsTheFieldText) {
  Filas("FROM TA_USUARIOS", {{"nombre", tipo_ado::VarWChar}, {"Administrador", tipo_ado::Integer}},
        {{Variant("ana"), Variant(1)}, {Variant("otra"), Variant(0)}});
  Filas("FROM NULOS", {{"Valor", tipo_ado::VarWChar}}, {{Variant::Nulo()}});
  Vacias();
  const Variant v = db.DatosTabla("TA_USUARIOS", "ana", "ADMINISTRADOR", "nombre", 8);
  EXPECT_TRUE(v.EsTexto());
  EXPECT_EQ(v.Texto(), "1");
  EXPECT_EQ(db.DatosTabla("NULOS", "1", "Valor", "id", 3).Texto(), "");
}

TEST_F(Lecturas, DatosTablaFailures) {
  grabacion->Responder("FROM FALLA",
                       RespuestaGrabada::Falla(ado::TablaInexistente, 208, "42S02", "Invalid object name 'FALLA'."));
  // Ignoring errors: empty text, no dialog of the lookup's own (the
  // recordset opener still reports the failed statement).
  op->ResponderMensaje(3);
  const Variant ignorado = db.DatosTabla("FALLA", "1", "x", "id", 3, "", true, true);
  EXPECT_TRUE(ignorado.EsTexto());
  EXPECT_EQ(ignorado.Texto(), "");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].titulo, "MotorGrabador - AbrirRecordset Aviso al operador!!! - 5 ");
  op->Limpiar();
  // Otherwise AbrirRecordset's dialog, then the lookup's own for the closed recordset.
  op->ResponderMensaje(3);
  op->ResponderMensaje(3);
  const Variant v = db.DatosTabla("FALLA", "1", "x", "id", 3);
  EXPECT_TRUE(v.EsVacio());
  ASSERT_EQ(op->Mensajes().size(), 2u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Ha ocurrido el Siguiente Error (-2147217865) Invalid object name 'FALLA'.");
  EXPECT_EQ(op->Mensajes()[1].titulo, "Aviso al Operador");
  EXPECT_EQ(op->Mensajes()[1].estilo, 18);
  // A missing field asks the lookup's dialog; Retry repeats, Abort leaves.
  op->Limpiar();
  Filas("FROM UNA", {{"a", tipo_ado::Integer}}, {{Variant(1)}});
  op->ResponderMensaje(4);
  op->ResponderMensaje(3);
  EXPECT_TRUE(db.DatosTabla("UNA", "1", "falta", "a", 3).EsVacio());
  EXPECT_EQ(op->Mensajes().size(), 2u);
}

TEST_F(Lecturas, AbrirRecordsetRewritesTheCallersText) {
  Vacias();
  db.gEsAdmin = false;
  std::string sql = "SELECT * FROM MA_CUENTAS c";
  Recordset rs;
  db.AbrirRecordset(sql, rs);
  EXPECT_EQ(sql, "SELECT * FROM SS_MA_CUENTAS c");
  EXPECT_EQ(Ultima(), sql);
  EXPECT_EQ(rs.State(), estado_objeto::Abierto);
  db.CierraRecordset(rs);
  EXPECT_EQ(rs.State(), estado_objeto::Cerrado);
}

TEST_F(Lecturas, AbrirRecordsetOnOracleTranslatesButKeepsTheCallersText) {
  Vacias();
  db.gCnn->Close();
  db.gServidor = "ora#";
  db.OpenServerADODB(false, 3, "", false, false);
  std::string sql = "SELECT TOP 1 * FROM T";
  Recordset rs;
  db.AbrirRecordset(sql, rs);
  EXPECT_EQ(sql, "SELECT TOP 1 * FROM T");
  EXPECT_EQ(Ultima(), "SELECT  * FROM T  WHERE ROWNUM <= 1  ");
  db.AbrirRecordset(sql, rs, nullptr, 0, 1, -1, false);
  EXPECT_EQ(Ultima(), "SELECT TOP 1 * FROM T");
}

TEST_F(Lecturas, AbrirRecordsetReconnectsADroppedConnectionAsItWasConfigured) {
  db.gCnn->CommandTimeout = 360;
  db.gCnn->IsolationLevel = 256;
  grabacion->Responder(
      "FROM CAIDA", RespuestaGrabada::Falla(ado::ErrorNoEspecificado, 10054, "08S01", "Communication link failure"), 1);
  Filas("FROM CAIDA", {{"a", tipo_ado::Integer}}, {{Variant(7)}});
  Recordset rs;
  db.AbrirRecordset("SELECT a FROM CAIDA", rs);
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_EQ(rs.Valor("a").Numero(), 7);
  // The new session gets the date order and the isolation level before the
  // statement is repeated with the configured time-out, not the reconnect's 5.
  std::vector<std::string> llamadas = grabacion->Llamadas();
  const auto cierre = std::find(llamadas.begin(), llamadas.end(), "Cerrar");
  ASSERT_NE(cierre, llamadas.end());
  llamadas.erase(llamadas.begin(), cierre);
  EXPECT_EQ(llamadas, (std::vector<std::string>{"Cerrar", "TiempoConexion 15", "TiempoEspera 5",
                                                "Abrir " + db.gConnString + " |u|p", "SET DATEFORMAT dmy",
                                                "Aislamiento 256", "TiempoEspera 360", "SELECT a FROM CAIDA"}));
  EXPECT_EQ(db.gCnn->CommandTimeout, 360);
  db.gCnn->CommandTimeout = 30;
  db.gCnn->IsolationLevel = 4096;
}

TEST_F(Lecturas, AbrirRecordsetAfterTwoFailedReconnectsShowsTheDialogAndLogsIt) {
  grabacion->Responder("FROM CAIDA",
                       RespuestaGrabada::Falla(ado::ErrorNoEspecificado, 10054, "08S01", "Communication link failure"));
  grabacion->falloAlAbrir =
      RespuestaGrabada::Falla(ado::ErrorNoEspecificado, 20009, "08S01", "Unable to connect").resultado;
  op->ResponderMensaje(3);
  Recordset rs;
  db.AbrirRecordset("SELECT a FROM CAIDA", rs);
  const auto llamadas = grabacion->Llamadas();
  EXPECT_EQ(
      std::count_if(llamadas.begin(), llamadas.end(), [](const std::string& l) { return l.rfind("Abrir", 0) == 0; }),
      2);
  EXPECT_FALSE(db.gOpenFlag);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Ha ocurrido el Siguiente Error (-2147467259) Communication link failure");
  EXPECT_EQ(op->Mensajes()[0].titulo, "MotorGrabador - AbrirRecordset Aviso al operador!!! - 5 ");
  const std::string log = LeerArchivo(carpeta / "PXERR.LOG");
  EXPECT_NE(log.find(" Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error (-2147467259) "
                     "Communication link failure"),
            std::string::npos)
      << log;
  grabacion->falloAlAbrir = {};
}

TEST_F(Lecturas, BuscaMaximoMinimoTexts) {
  Filas("AS MAYOR", {{"MAYOR", tipo_ado::Integer}}, {{Variant(41)}});
  Filas("AS MENOR", {{"MENOR", tipo_ado::VarWChar}}, {{Variant("0012x")}});
  EXPECT_EQ(db.BuscaMaximo("T", "c").Numero(), 41);
  EXPECT_EQ(Ultima(), "SELECT MAX(c) AS MAYOR FROM T");
  db.BuscaMaximo("T", "c", std::nullopt, std::string(" a=1 "));
  EXPECT_EQ(Ultima(), "SELECT MAX(c) AS MAYOR FROM T WHERE a=1");
  db.BuscaMaximo("T", "c", std::nullopt, std::string(""));
  EXPECT_EQ(Ultima(), "SELECT MAX(c) AS MAYOR FROM T WHERE ");
  EXPECT_EQ(db.BuscaMinimo("T", "c", 7).Numero(), 12);
  EXPECT_EQ(Ultima(), "SELECT MIN(c) AS MENOR FROM T  with(nolock) ");
  db.BuscaMinimo("T", "c", std::nullopt, std::string("a=1"));
  EXPECT_EQ(Ultima(), "SELECT MIN(c) AS MENOR FROM T  with(nolock)  WHERE a=1");
  db.BuscaUltimoCodigo("T", "c", 3, "  ");
  EXPECT_EQ(Ultima(), "SELECT MAX(c) AS MAYOR FROM T");
  db.BuscaUltimoCodigo("T", "c", 3, " a=1");
  EXPECT_EQ(Ultima(), "SELECT MAX(c) AS MAYOR FROM T WHERE  a=1");
}

TEST_F(Lecturas, BuscaMaximoSkipsArticleCodesWithLeadingZero) {
  Filas("<>'0'", {{"MAYOR", tipo_ado::VarWChar}}, {{Variant("  950")}});
  Filas("AS MAYOR", {{"MAYOR", tipo_ado::VarWChar}}, {{Variant(" 0999")}});
  EXPECT_EQ(db.BuscaMaximo("v_ma_articulos", "idarticulo").Numero(), 950);
  const auto s = grabacion->Sentencias();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[1], "SELECT MAX(idarticulo) AS MAYOR FROM v_ma_articulos WHERE substring(ltrim(idarticulo),1,1)<>'0'");
  db.BuscaMaximo("V_MA_ARTICULOS", "idarticulo", 7, std::string("x=1"));
  EXPECT_EQ(Ultima(),
            "SELECT MAX(idarticulo) AS MAYOR FROM V_MA_ARTICULOS WHERE x=1 and "
            "substring(ltrim(idarticulo),1,1)<>'0'");
  // Other tables keep the value as found; type 7 returns it as read.
  EXPECT_EQ(db.BuscaMaximo("T", "c", 7).Texto(), " 0999");
}

TEST_F(Lecturas, MaxOverNoRowsIsZero) {
  Filas("AS MAYOR", {{"MAYOR", tipo_ado::Integer}}, {{Variant::Nulo()}});
  const Variant v = db.BuscaMaximo("T", "c");
  EXPECT_TRUE(v.EsNumero());
  EXPECT_EQ(v.Numero(), 0);
}

}  // namespace
