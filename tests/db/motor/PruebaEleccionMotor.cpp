#include <gtest/gtest.h>

#include "db/motor/CadenaConexion.h"
#include "db/motor/EleccionMotor.h"

TEST(CadenaConexion, ClavesSinCasoYConBlancoAntesDelIgual) {
  const CadenaConexion c("PROVIDER=SQLOLEDB;Server=srv01;Database =ERP;UId=ana;Pwd=x=1;Data Source = C:\\a.mdb ;");
  EXPECT_EQ(c.Valor({"provider"}), "SQLOLEDB");
  EXPECT_EQ(c.Valor({"DATABASE"}), "ERP");
  EXPECT_EQ(c.Valor({"uid"}), "ana");
  EXPECT_EQ(c.Valor({"PWD"}), "x=1");
  EXPECT_EQ(c.Valor({"data source"}), "C:\\a.mdb");
  EXPECT_EQ(c.Valor({"Nada", "Server"}), "srv01");
  EXPECT_FALSE(c.Tiene("Port"));
}

TEST(CadenaConexion, ValorEntreLlavesConPuntoYComa) {
  const CadenaConexion c("Driver={SQLite3};Pwd={a;b};X=\"c;d\"");
  EXPECT_EQ(c.Valor({"driver"}), "SQLite3");
  EXPECT_EQ(c.Valor({"pwd"}), "a;b");
  EXPECT_EQ(c.Valor({"x"}), "c;d");
}

TEST(EleccionMotor, SegunProveedorYServidor) {
  struct Caso {
    const char* cadena;
    TipoMotor tipo;
  } casos[] = {
      {"PROVIDER=SQLOLEDB;Server=srv;Database =ERP;UId=u;Pwd=p;", TipoMotor::OdbcSqlServer},
      {"PROVIDER=SQLOLEDB;Server=SQLite;Database =/tmp/demo.sqlite;UId=u;Pwd=p;", TipoMotor::Sqlite},
      {"PROVIDER=SQLOLEDB;Server= sqlite ;Database =x;", TipoMotor::Sqlite},
      {"Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=u;Password=p;", TipoMotor::OdbcOracle},
      {"PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =/tmp/a.mdb;User ID=u;Password=p;", TipoMotor::Sqlite},
      {"Provider=Microsoft.Jet.OLEDB.3.51;Data Source=/tmp/a.mdb", TipoMotor::Sqlite},
      {"DRIVER=SQLite3;Database=/tmp/x.db;", TipoMotor::OdbcDirecto},
      {"Provider=MSDASQL.9;DSN=x", TipoMotor::Desconocido},
  };
  for (const auto& c : casos) EXPECT_EQ(ElegirMotor(c.cadena), c.tipo) << c.cadena;
}

TEST(EleccionMotor, BaseSegunProveedor) {
  EXPECT_EQ(BaseDeCadena("PROVIDER=SQLOLEDB;Server=sqlite;Database =/d/erp.sqlite;"), "/d/erp.sqlite");
  EXPECT_EQ(BaseDeCadena("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =/d/a.mdb;"), "/d/a.mdb");
}
