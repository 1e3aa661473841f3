// The SQL dialect comes from the provider a connection uses, not from any
// word "oracle" in its string: paths, database and server names keep SQL
// Server's dialect.
#include "db/DialectoConexion.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "db/DB_Dll.h"
#include "support/CarpetaPrueba.h"

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

// An embedded database in a folder named "oracle": every way the program
// reads and writes keeps SQL Server's dialect (ISNULL, not Oracle's NVL).
class BaseEnCarpetaOracle : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(carpeta / "home/oracle");
    ruta = carpeta / "home/oracle/ORACLE_HIST.sqlite";
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(ruta.c_str(), &h), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(h, "CREATE TABLE T (A int, B varchar(10)); INSERT INTO T VALUES (NULL, 'x');", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(h);
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gServidor = "sqlite";
    db.gDBName = ruta;
    db.gUsuario = "oracle";
    db.gUserPassWord = "";
    db.gProveedor.clear();
    db.gExtended.clear();
    db.gLogErr = carpeta / "PXERR.LOG";
    db.OpenServerADODB(false, 3, "", false, true);
    ASSERT_TRUE(db.gOpenFlag);
  }
  void TearDown() override {
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gConnString.clear();
  }

  CarpetaPrueba carpeta;
  OperadorDePrueba op;
  std::string ruta;
  DB_Dll& db = DB();
};

TEST_F(BaseEnCarpetaOracle, LecturasEscriturasYBusquedasSinTraducirAOracle) {
  EXPECT_EQ(db.ORACLE_Dicc("SELECT ISNULL(A, 0) FROM T"), "SELECT ISNULL(A, 0) FROM T");
  Recordset rs;
  db.AbrirRecordset("SELECT ISNULL(A, 0) AS N FROM T", rs);
  ASSERT_EQ(rs.State(), estado_objeto::Abierto);
  EXPECT_EQ(rs.Valor("N").Numero(), 0);
  db.CierraRecordset(rs);
  long filas = 0;
  std::string sql = "UPDATE T SET A = ISNULL(A, 0) + 5";
  db.EjecutaConsultaSQL(sql, filas);
  EXPECT_EQ(filas, 1);
  EXPECT_TRUE(db.ExisteEnTabla("T", "x", "B", nullptr, 8, "ISNULL(A, 0) = 5"));
  EXPECT_FALSE(db.ExisteCampoDB("T", "NO_ESTA"));
  EXPECT_TRUE(op->Mensajes().empty());
}

}  // namespace
