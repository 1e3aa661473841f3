// SQL Server to Oracle text rules.
#include <gtest/gtest.h>

#include "db/DB_Dll.h"

namespace {

class OracleDicc : public ::testing::Test {
 protected:
  void SetUp() override { db.gConnString = "Provider=OraOLEDB.Oracle.1;Data Source=ERP;User Id=u;Password=p;"; }
  DB_Dll db;
};

TEST_F(OracleDicc, SqlServerTextIsReturnedUnchanged) {
  db.gConnString = "PROVIDER=SQLOLEDB;Server=s;Database =d;UId=u;Pwd=p;";
  const std::string sql = "SELECT TOP 5 LEN(a), ISNULL(b,0) FROM [T] WHERE c = ''";
  EXPECT_EQ(db.ORACLE_Dicc(sql), sql);
}

TEST_F(OracleDicc, SingleWord) {
  EXPECT_EQ(db.ORACLE_Dicc("len"), "LENGTH");
  EXPECT_EQ(db.ORACLE_Dicc("ISNULL("), "ISNULL(");
}

TEST_F(OracleDicc, TextRules) {
  struct Caso {
    const char* entrada;
    const char* esperado;
  } casos[] = {
      // TOP with WHERE and ORDER BY: the limit goes before the ORDER BY part.
      {"SELECT TOP 10 a FROM T WHERE b=1 ORDER BY a", "SELECT  a FROM T WHERE b=1    AND ROWNUM <= 10  ORDER BY a"},
      {"SELECT TOP 10 a FROM T ORDER BY a", "SELECT  a FROM T    WHERE ROWNUM <= 10  ORDER BY a"},
      {"SELECT TOP 3 a, COUNT(*) FROM T WHERE x=1 GROUP BY a",
       "SELECT  a, COUNT(*) FROM T WHERE x=1    AND ROWNUM <= 3  GROUP BY a "},
      {"SELECT TOP 1 * FROM T", "SELECT  * FROM T  WHERE ROWNUM <= 1  "},
      {"SELECT LEN(a), x LEN  (b),LEN(c) FROM T", "SELECT LENGTH(a), x LENGTH(b),LEN(c) FROM T"},
      {"SELECT  LEN(a) FROM [Mi Tabla]", "SELECT  LENGTH(a) FROM \"Mi Tabla\""},
      {"SELECT a FROM T WHERE f = '09/12/2026'", "SELECT a FROM T WHERE f = TO_DATE('09/12/2026','DD/MM/YYYY')"},
      {"SELECT a FROM T WHERE f BETWEEN '1/2/2026' AND '1/2/2026'",
       "SELECT a FROM T WHERE f BETWEEN TO_DATE('01/02/2026','DD/MM/YYYY') AND TO_DATE('01/02/2026','DD/MM/YYYY')"},
      {"SELECT a FROM T WHERE n = 'abc'", "SELECT a FROM T WHERE n = 'abc'"},
      {"SELECT CHARINDEX('a', b) FROM T", "SELECT InStr('a', b) FROM T"},
      {"SELECT CONVERT(NVARCHAR,f,103) FROM T", "SELECT TO_CHAR(f,'DD/MM/YYYY') FROM T"},
      {"SELECT CONVERT(INT,x) FROM T", "SELECT TO_NUMBER(x) FROM T"},
      {"SELECT '' AS v FROM T WHERE a = '' AND b=''", "SELECT '' AS v FROM T WHERE a  IS NULL  AND b IS NULL "},
      {"SELECT a FROM T WHERE n = 103", "SELECT a FROM T WHERE n = 103"},
      {"SELECT SUBSTRING(a,1,2), ISNULL(b,0) FROM T", "SELECT SUBSTR(a,1,2), NVL(b,0) FROM T"},
  };
  for (const Caso& c : casos) EXPECT_EQ(db.ORACLE_Dicc(c.entrada), c.esperado) << c.entrada;
}

TEST_F(OracleDicc, UnmatchedQuoteFailsWithInvalidArgument) {
  ErrorSistema e;
  db.ORACLE_Dicc("SELECT a FROM T WHERE n = 'abc", &e);
  EXPECT_EQ(e.numero, errores::ArgumentoInvalido);
}

}  // namespace
