// The SQL dialect comes from the provider a connection uses, not from any
// word "oracle" in its string: paths, database and server names keep SQL
// Server's dialect (end to end in SqliteExtremoTest).
#include "db/DialectoConexion.h"

#include <gtest/gtest.h>

namespace {

TEST(DialectoConexion, SoloElProveedorOElControladorDeOracle) {
  struct Caso {
    const char* cadena;
    bool oracle;
  } casos[] = {
      {"Provider=OraOLEDB.Oracle.1;Data Source=ERP;User Id=u;Password=p;", true},
      {"provider=oraoledb.oracle;Data Source=ERP;", true},
      {"Provider=MSDAORA.1;Data Source=ERP;", true},
      {"DRIVER={Oracle 21 ODBC driver};DBQ=ERP;UID=u;", true},
      {"PROVIDER=SQLOLEDB;Server=sqlite;Database =/home/oracle/erp.sqlite;UId=ana;Pwd=;", false},
      {"PROVIDER=SQLOLEDB;Server=SRV01;Database =ORACLE_HIST;UId=ana;Pwd=;", false},
      {"PROVIDER=SQLOLEDB;Server=oracle-backup;Database =VENTAS;UId=oracle;Pwd=oracle;", false},
      {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\oracle\\erp.mdb;", false},
      {"DRIVER={FreeTDS};SERVER=oracle-backup;DATABASE=ORACLE;", false},
      {"DRIVER=/opt/oracle/lib/libtdsodbc.so;SERVER=srv;", false},
      {"", false},
  };
  for (const Caso& c : casos) EXPECT_EQ(EsDialectoOracle(c.cadena), c.oracle) << c.cadena;
  EXPECT_TRUE(EsProveedorOracle("OraOLEDB.Oracle.1"));
  EXPECT_FALSE(EsProveedorOracle("SQLOLEDB"));
  EXPECT_FALSE(EsProveedorOracle("ORACLE_HIST"));
}

}  // namespace
