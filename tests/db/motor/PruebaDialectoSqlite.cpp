// The SQLite rule set as a table: SQL Server text in, SQLite text out.
#include <gtest/gtest.h>

#include "db/motor/dialecto_sqlite/Lote.h"
#include "db/motor/dialecto_sqlite/Reglas.h"
#include "sivlib/Texto.h"

using namespace dialecto_sqlite;

namespace {

struct Caso {
  std::string sqlServer;
  std::string sqlite;
};

// A compared text with trailing blanks stands for itself followed by any
// blanks (SQL Server pads the shorter text): its range ends with the text
// followed by 8000 blanks.
std::string HastaBlancos(const std::string& literal) { return literal + " || printf('%8000s', '')"; }
std::string Entre(const std::string& literal) { return "BETWEEN " + literal + " AND " + HastaBlancos(literal); }

void Verificar(std::initializer_list<Caso> casos, const EsquemaDeTablas& esquema = {}) {
  for (const auto& c : casos) EXPECT_EQ(TraducirSentencia(c.sqlServer, esquema), c.sqlite) << "de: " << c.sqlServer;
}

// The tables of an ERP database as the engine would read them.
std::vector<ColumnaDeclarada> EsquemaDePrueba(const std::string& tabla) {
  if (texto::IgualesSinCaso(tabla, "AUX_ERR")) return {{"Id", "int"}, {"Fecha", "varchar(20)"}, {"Alta", "datetime"}};
  if (texto::IgualesSinCaso(tabla, "TA_CONFIG_FORM"))
    return {{"FORMULARIO", "varchar(50)"}, {"CONTROL", "varchar(50)"}, {"VALOR", "varchar(255)"}};
  if (texto::IgualesSinCaso(tabla, "T"))
    return {{"F", "DateTime"}, {"D", "date"}, {"S", "smalldatetime"}, {"C", "nvarchar(20)"}, {"N", ""}};
  return {};
}

}  // namespace

TEST(DialectoSqlite, Sugerencias) {
  Verificar({
      {"SELECT * FROM T with(nolock)  WHERE A = 1", "SELECT * FROM T   WHERE A = 1"},
      {"SELECT * FROM T WITH ( NOLOCK ) WHERE A = 1", "SELECT * FROM T  WHERE A = 1"},
      {"SELECT * FROM T With (NoLock, ROWLOCK)", "SELECT * FROM T "},
      {"SELECT * FROM T (NOLOCK) a", "SELECT * FROM T  a"},
      {"INSERT INTO T (A) VALUES ('with(nolock)')", "INSERT INTO T (A) VALUES ('with(nolock)')"},
      {"INSERT INTO T (ROWLOCK) VALUES (1)", "INSERT INTO T (ROWLOCK) VALUES (1)"},
  });
}

TEST(DialectoSqlite, Top) {
  Verificar({
      {"SELECT TOP 1 * FROM T ORDER BY A", "SELECT * FROM T ORDER BY A LIMIT 1"},
      {"SELECT TOP 1  * FROM T   WHERE A = 1", "SELECT * FROM T   WHERE A = 1 LIMIT 1"},
      {"select top 1 * from AUX_ERR ", "select * from AUX_ERR LIMIT 1 "},
      {"SELECT DISTINCT TOP (5) A FROM T", "SELECT DISTINCT A FROM T LIMIT (5)"},
      {"SELECT A, (SELECT TOP 1 B FROM U WHERE U.A = T.A ORDER BY B DESC) AS X FROM T",
       "SELECT A, (SELECT B FROM U WHERE U.A = T.A ORDER BY B DESC LIMIT 1) AS X FROM T"},
      {"SELECT TOP 100 PERCENT A FROM T ORDER BY A", "SELECT A FROM T ORDER BY A"},
      {"SELECT TOP 50 PERCENT A FROM T",
       "SELECT A FROM T LIMIT (SELECT CAST(COUNT(*) * 50 / 100.0 AS INTEGER) + (COUNT(*) * 50 / 100.0 > "
       "CAST(COUNT(*) * 50 / 100.0 AS INTEGER)) FROM (SELECT A FROM T))"},
      {"SELECT A FROM T WHERE B = 'TOP 5'", "SELECT A FROM T WHERE B = 'TOP 5'"},
  });
}

TEST(DialectoSqlite, LiteralesNombresYPropietario) {
  Verificar({
      {"SELECT * FROM T WHERE TC IN (N'TK', n'FC')", "SELECT * FROM T WHERE TC IN ('TK', 'FC')"},
      {"SELECT [Nombre Largo], [relative] FROM [dbo].[T]", "SELECT \"Nombre Largo\", \"relative\" FROM \"T\""},
      {"SELECT dbo.V_MV_Stock.TC FROM DBO.V_MV_Stock", "SELECT V_MV_Stock.TC FROM V_MV_Stock"},
      {"SELECT a.dbo FROM T a", "SELECT a.dbo FROM T a"},
      {"SELECT 'dbo.T' FROM T", "SELECT 'dbo.T' FROM T"},
      {"DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'F'", "DELETE FROM TA_CONFIG_FORM WHERE FORMULARIO = 'F'"},
      {"DELETE FROM T", "DELETE FROM T"},
      {"delete  T", "delete FROM  T"},
  });
}

TEST(DialectoSqlite, Fechas) {
  Verificar({
      // A day is its midnight, stored as '2026-12-09' or '2026-12-09 00:00:00'.
      {"SELECT * FROM T WHERE F>='09/12/2026' AND F<='9/1/2026'",
       "SELECT * FROM T WHERE F>='2026-12-09' AND F<='2026-01-09 00:00:00'"},
      {"INSERT INTO T (F) VALUES ('09/12/2026 14:05:00')", "INSERT INTO T (F) VALUES ('2026-12-09 14:05:00')"},
      {"INSERT INTO T (F) VALUES ('03/05/24 14:07')", "INSERT INTO T (F) VALUES ('2024-05-03 14:07:00')"},
      {"SELECT * FROM T WHERE F = #09/12/2026# ",
       "SELECT * FROM T WHERE F BETWEEN '2026-12-09' AND '2026-12-09 00:00:00' "},
      {"SELECT * FROM T WHERE F <> '09/12/2026' OR F > '09/12/2026' OR F < '09/12/2026 10:00'",
       "SELECT * FROM T WHERE F NOT BETWEEN '2026-12-09' AND '2026-12-09 00:00:00' OR F > '2026-12-09 00:00:00' OR "
       "F < '2026-12-09 10:00:00'"},
      {"SELECT * FROM T WHERE '09/12/2026' >= F AND '09/12/2026' = T.F AND F BETWEEN '01/12/2026' AND '09/12/2026'",
       "SELECT * FROM T WHERE '2026-12-09 00:00:00' >= F AND T.F BETWEEN '2026-12-09' AND '2026-12-09 00:00:00' AND F "
       "BETWEEN '2026-12-01' AND '2026-12-09 00:00:00'"},
      {"SELECT * FROM T WHERE F IN ('09/12/2026', '10/12/2026 08:00')",
       "SELECT * FROM T WHERE F IN ('2026-12-09', '2026-12-09 00:00:00', '2026-12-10 08:00:00')"},
      // Texts that only look like dates are compared as texts.
      {"SELECT * FROM T WHERE C = '31/02/2026' OR C = '12/345' OR C = '2026-12-09'",
       "SELECT * FROM T WHERE C = '31/02/2026' OR C = '12/345' OR C = '2026-12-09'"},
  });
}

TEST(DialectoSqlite, FechasGuardadasEnColumnasDeTextoQuedanComoSeEscribieron) {
  Verificar(
      {
          {"INSERT INTO AUX_ERR (Id, Fecha, Alta) VALUES (1, '09/12/26 23:13', '09/12/26 23:13')",
           "INSERT INTO AUX_ERR (Id, Fecha, Alta) VALUES (1, '09/12/26 23:13', '2026-12-09 23:13:00')"},
          {"INSERT [dbo].[aux_err] VALUES (1, N'09/12/26 23:13', '09/12/26'), (2, '01/02/2026', '01/02/2026')",
           "INSERT \"aux_err\" VALUES (1, '09/12/26 23:13', '2026-12-09'), (2, '01/02/2026', '2026-02-01')"},
          {"INSERT INTO dbo.T ([C], N, D, S, F) VALUES (#09/12/2026#, '09/12/2026', #09/12/2026#, '9/12/2026', "
           "'09/12/2026 10:00')",
           "INSERT INTO T (\"C\", N, D, S, F) VALUES ('09/12/2026', '09/12/2026', '2026-12-09', '2026-12-09', "
           "'2026-12-09 10:00:00')"},
          {"UPDATE TA_CONFIG_FORM SET VALOR = '01/02/2026', CONTROL='x' WHERE FORMULARIO = 'F' AND VALOR > '01/02/2026'",
           "UPDATE TA_CONFIG_FORM SET VALOR = '01/02/2026', CONTROL='x' WHERE FORMULARIO = 'F' AND VALOR > "
           "'2026-02-01 00:00:00'"},
          {"UPDATE T WITH (ROWLOCK) SET T.F = '09/12/2026', c = '09/12/2026', N = '09/12/2026' + ''",
           "UPDATE T  SET T.F = '2026-12-09', c = '09/12/2026', N = SUMAR_TSQL('2026-12-09', '')"},
          // Not the whole value, not a VALUES row, or nothing known of the column: a date as before.
          {"INSERT INTO T (C) VALUES (CONVERT(datetime, '09/12/2026'))",
           "INSERT INTO T (C) VALUES (CONVERTIR_TSQL('datetime', '2026-12-09'))"},
          {"INSERT INTO AUX_ERR (Fecha) SELECT '09/12/2026'", "INSERT INTO AUX_ERR (Fecha) SELECT '2026-12-09'"},
          {"INSERT INTO OTRA (C) VALUES ('09/12/2026')", "INSERT INTO OTRA (C) VALUES ('2026-12-09')"},
          {"INSERT INTO T (X, C) VALUES ('09/12/2026', '09/12/2026')",
           "INSERT INTO T (X, C) VALUES ('2026-12-09', '09/12/2026')"},
          {"INSERT INTO AUX_ERR VALUES (1, '', '', '09/12/2026')",
           "INSERT INTO AUX_ERR VALUES (1, '', '', '2026-12-09')"},
          {"SELECT '09/12/2026' AS Fecha FROM AUX_ERR WHERE Fecha = '09/12/2026'",
           "SELECT '2026-12-09' AS Fecha FROM AUX_ERR WHERE Fecha BETWEEN '2026-12-09' AND '2026-12-09 00:00:00'"},
      },
      EsquemaDePrueba);
}

TEST(DialectoSqlite, TextosComparadosSinBlancosFinales) {
  Verificar({
      {"SELECT * FROM T WHERE USUARIO = 'ana '", "SELECT * FROM T WHERE USUARIO " + Entre("'ana'")},
      {"SELECT * FROM T WHERE 'ana  ' <> U AND A>='b ' AND B <= N'c ' AND C != '  ' AND (D < 'd ') AND E > 'e '",
       "SELECT * FROM T WHERE U NOT " + Entre("'ana'") + " AND A>='b' AND B <= " + HastaBlancos("'c'") + " AND C NOT " +
           Entre("''") + " AND (D < 'd') AND E > " + HastaBlancos("'e'")},
      // Without trailing blanks a literal stays as written.
      {"SELECT * FROM T WHERE U = 'ana' AND A IN ('a', 'b')", "SELECT * FROM T WHERE U = 'ana' AND A IN ('a', 'b')"},
      {"SELECT * FROM T JOIN U ON U.A = T.A AND U.B = 'b ' WHERE A IN ('a  ', 2, 'c') AND B IN (SELECT 'x ' FROM U)",
       "SELECT * FROM T JOIN U ON U.A = T.A AND U.B " + Entre("'b'") +
           " WHERE A IN ('a', 'a ', 'a  ', 2, 'c') AND B IN (SELECT 'x ' FROM U)"},
      {"SELECT * FROM T WHERE A BETWEEN 'a ' AND 'b ' AND 'x' = 'x '",
       "SELECT * FROM T WHERE A BETWEEN 'a' AND " + HastaBlancos("'b'") + " AND 'x' = 'x'"},
      {"SELECT * FROM T WHERE 'k ' = dbo.T.K + 1 OR 'k ' < LTRIM(K)",
       "SELECT * FROM T WHERE SUMAR_TSQL(T.K, 1) " + Entre("'k'") + " OR " + HastaBlancos("'k'") + " < LTRIM(K)"},
      {"SELECT * FROM T WHERE F >= '05/12/2026 '", "SELECT * FROM T WHERE F >= '2026-12-05'"},
      // Blanks that count: LIKE patterns, parts of a longer operand, stored values, own collations.
      {"SELECT * FROM T WHERE A LIKE 'a %' AND B NOT LIKE 'b '",
       "SELECT * FROM T WHERE A LIKE 'a %' AND B NOT LIKE 'b '"},
      {"SELECT * FROM T WHERE A = 'x ' + B", "SELECT * FROM T WHERE A = SUMAR_TSQL('x ', B)"},
      {"SELECT * FROM T WHERE A = 'x ' COLLATE Latin1_General_BIN", "SELECT * FROM T WHERE A = 'x ' COLLATE BINARY"},
      {"INSERT INTO T (A, B) VALUES ('x ', 'y ')", "INSERT INTO T (A, B) VALUES ('x ', 'y ')"},
      {"UPDATE T SET C = 'x ', D='y ' WHERE U = 'ana '", "UPDATE T SET C = 'x ', D='y ' WHERE U " + Entre("'ana'")},
      {"UPDATE T SET C = CASE WHEN U = 'a ' THEN 'b ' ELSE C END, D += 'd '",
       "UPDATE T SET C = CASE WHEN U " + Entre("'a'") + " THEN 'b ' ELSE C END, D += 'd '"},
      {"UPDATE T SET C = (SELECT X FROM U WHERE U.K = 'k ') FROM T WHERE K='k '",
       "UPDATE T SET C = (SELECT X FROM U WHERE U.K " + Entre("'k'") + ") FROM T WHERE K " + Entre("'k'")},
  });
}

TEST(DialectoSqlite, Funciones) {
  Verificar({
      {"SELECT ISNULL(c.frecuencia,'0000000') as f FROM T", "SELECT IFNULL(c.frecuencia,'0000000') as f FROM T"},
      {"SELECT LEFT(A, 2), Right (A, 1) FROM T LEFT JOIN U ON 1 = 1 WHERE A ISNULL",
       "SELECT LEFT_TSQL(A, 2), RIGHT_TSQL (A, 1) FROM T LEFT JOIN U ON 1 = 1 WHERE A ISNULL"},
      {"SELECT CONVERT(NVARCHAR, F, 103) FROM T", "SELECT CONVERTIR_TSQL('NVARCHAR', F, 103) FROM T"},
      {"SELECT CONVERT(decimal(18,2), X) FROM T", "SELECT CONVERTIR_TSQL('decimal(18,2)', X) FROM T"},
      {"SELECT CAST(A + 1 AS VARCHAR(10)) FROM T", "SELECT CONVERTIR_TSQL('VARCHAR(10)', SUMAR_TSQL(A, 1)) FROM T"},
      {"SELECT CONVERT(INT, CAST(X AS money)) FROM T",
       "SELECT CONVERTIR_TSQL('INT', CONVERTIR_TSQL('money', X)) FROM T"},
  });
}

TEST(DialectoSqlite, SumaYConcatenacion) {
  Verificar({
      {"SELECT A.TC + A.ID AS T FROM A", "SELECT SUMAR_TSQL(A.TC, A.ID) AS T FROM A"},
      {"SELECT 'x' + B + 'y' FROM T", "SELECT SUMAR_TSQL(SUMAR_TSQL('x', B), 'y') FROM T"},
      {"SELECT A * B + C * D FROM T", "SELECT SUMAR_TSQL(A * B, C * D) FROM T"},
      {"SELECT A - B + C FROM T", "SELECT SUMAR_TSQL(A - B, C) FROM T"},
      {"SELECT A + B - C FROM T", "SELECT SUMAR_TSQL(A, B) - C FROM T"},
      {"SELECT 1 + 2, -A + B FROM T", "SELECT 1 + 2, SUMAR_TSQL(-A, B) FROM T"},
      {"SELECT LTRIM(A) + ISNULL(B, '') FROM T WHERE X = Y + 1",
       "SELECT SUMAR_TSQL(LTRIM(A), IFNULL(B, '')) FROM T WHERE X = SUMAR_TSQL(Y, 1)"},
      {"SELECT CASE WHEN A > 0 THEN 'D' ELSE 'V' END + (B + C) FROM T",
       "SELECT SUMAR_TSQL(CASE WHEN A > 0 THEN 'D' ELSE 'V' END, (SUMAR_TSQL(B, C))) FROM T"},
      {"SELECT A FROM T WHERE B = 'a+b'", "SELECT A FROM T WHERE B = 'a+b'"},
  });
}

TEST(DialectoSqlite, ConsultaDeVentas) {
  const std::string entrada =
      " SELECT      dbo.V_MV_Stock.TC + DBO.V_MV_Stock.IDCOMPROBANTE AS TRANSACCION, "
      "ISNULL(dbo.V_MV_Cpte.FECHA, dbo.V_MV_Stock.FECHA) AS Fecha,\r\n"
      " (dbo.V_MV_Stock.IMPORTE_S_IVA * dbo.V_MV_Stock.Cantidad) - (dbo.V_MV_Stock.IMPORTE_S_IVA * "
      "ISNULL(dbo.V_MV_Cpte.PorcDescuento1, 0)\r\n"
      " / 100 * dbo.V_MV_Stock.Cantidad) AS ValorVenta\r\n"
      " FROM         dbo.V_MV_Stock LEFT OUTER JOIN\r\n"
      " dbo.V_MV_Cpte ON dbo.V_MV_Stock.TC = dbo.V_MV_Cpte.TC\r\n"
      " WHERE     (dbo.V_MV_Stock.Anulado = 0) AND (dbo.V_MV_Stock.TC IN (N'TK', N'FC')) \r\n"
      " AND (dbo.V_MV_Stock.FECHA>='01/12/2026' AND dbo.V_MV_Stock.FECHA<='04/12/2026') \r\n"
      " order by Fecha,secuencia\r\n";
  const std::string salida =
      " SELECT      SUMAR_TSQL(V_MV_Stock.TC, V_MV_Stock.IDCOMPROBANTE) AS TRANSACCION, "
      "IFNULL(V_MV_Cpte.FECHA, V_MV_Stock.FECHA) AS Fecha,\r\n"
      " (V_MV_Stock.IMPORTE_S_IVA * V_MV_Stock.Cantidad) - (V_MV_Stock.IMPORTE_S_IVA * "
      "IFNULL(V_MV_Cpte.PorcDescuento1, 0)\r\n"
      " / 100 * V_MV_Stock.Cantidad) AS ValorVenta\r\n"
      " FROM         V_MV_Stock LEFT OUTER JOIN\r\n"
      " V_MV_Cpte ON V_MV_Stock.TC = V_MV_Cpte.TC\r\n"
      " WHERE     (V_MV_Stock.Anulado = 0) AND (V_MV_Stock.TC IN ('TK', 'FC')) \r\n"
      " AND (V_MV_Stock.FECHA>='2026-12-01' AND V_MV_Stock.FECHA<='2026-12-04 00:00:00') \r\n"
      " order by Fecha,secuencia\r\n";
  EXPECT_EQ(TraducirSentencia(entrada), salida);
}

TEST(DialectoSqlite, LoteSeparadoPorSaltosDeLinea) {
  const auto s = DividirLote(
      "BEGIN TRANSACTION \r\rINSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC07','ANA')\r"
      "UPDATE T\r SET A = 1\rWHERE B IN (SELECT B FROM U\rUNION\rSELECT C FROM V)\r"
      "INSERT INTO W (A)\rSELECT A FROM T\rCOMMIT TRANSACTION\r");
  ASSERT_EQ(s.size(), 5u);
  EXPECT_EQ(s[0], "BEGIN TRANSACTION");
  EXPECT_EQ(s[1], "INSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC07','ANA')");
  EXPECT_EQ(s[2], "UPDATE T\r SET A = 1\rWHERE B IN (SELECT B FROM U\rUNION\rSELECT C FROM V)");
  EXPECT_EQ(s[3], "INSERT INTO W (A)\rSELECT A FROM T");
  EXPECT_EQ(s[4], "COMMIT TRANSACTION");
}

TEST(DialectoSqlite, LoteConPuntoYComaYEnUnaLinea) {
  EXPECT_EQ(DividirLote("BEGIN TRAN INSERT INTO T VALUES (1); DELETE T"),
            (std::vector<std::string>{"BEGIN TRAN", "INSERT INTO T VALUES (1)", "DELETE T"}));
  EXPECT_EQ(DividirLote("CREATE VIEW V AS\r\nSELECT A FROM T"),
            (std::vector<std::string>{"CREATE VIEW V AS\r\nSELECT A FROM T"}));
  EXPECT_EQ(DividirLote("SELECT * FROM T\r\n with(nolock)\r\nWHERE A = 'x;\r\nDELETE'"),
            (std::vector<std::string>{"SELECT * FROM T\r\n with(nolock)\r\nWHERE A = 'x;\r\nDELETE'"}));
}

TEST(DialectoSqlite, ClasesDeSentencia) {
  struct C {
    const char* s;
    ClaseSentencia clase;
  } casos[] = {
      {"BEGIN TRANSACTION", ClaseSentencia::Comenzar},
      {"begin tran", ClaseSentencia::Comenzar},
      {"COMMIT TRANSACTION", ClaseSentencia::Confirmar},
      {"COMMIT", ClaseSentencia::Confirmar},
      {"ROLLBACK TRAN", ClaseSentencia::Deshacer},
      {"SET NOCOUNT ON", ClaseSentencia::SinEfecto},
      {"USE PX_ESTADISTICAS", ClaseSentencia::Usar},
      {"CREATE DATABASE PX COLLATE X", ClaseSentencia::CrearBase},
      {"SELECT 1", ClaseSentencia::Sql},
  };
  for (const auto& c : casos) EXPECT_EQ(ClasificarSentencia(c.s).clase, c.clase) << c.s;
  EXPECT_EQ(ClasificarSentencia("CREATE DATABASE [PX] COLLATE X").texto, "PX");
}
