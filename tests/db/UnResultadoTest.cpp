// The program's reading pattern on a connection that holds one pending
// result: a recordset read row by row while every row asks the same
// connection something else, as the exports do: on the stand-in that
// applies SQL Server's rule over the embedded engine, and on the embedded
// engine with the limit forced. Then the failures that can happen while a
// result is moved aside (on the embedded engine and the SQLite ODBC
// driver), read where the program reads provider errors.
#include <gtest/gtest.h>

#include <cstdlib>

#include "db/DB_Dll.h"
#include "db/motor/AjustesResultados.h"
#include "db/motor/ArchivoSqlite.h"
#include "db/motor/MotorSqlite.h"
#include "support/CarpetaPrueba.h"
#include "support/MotorUnaActividad.h"

namespace {

class UnResultadoDB : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CrearBaseSqlite(ruta).Ok());
    setenv("TEMP", carpeta.Ruta().c_str(), 1);
    setenv("UT_VORNA_UN_RESULTADO_POR_CONEXION", "1", 1);
    FijarTamanosResultado({4, size_t(1) << 20});
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gLogErr = carpeta / "PXERR.LOG";
    db.gEsAdmin = true;
  }
  void TearDown() override {
    db.gCnn->Close();
    db.gCnn->Errors.Clear();
    db.gEsAdmin = false;
    db.gConnString.clear();
    FijarFabricaMotor({});
    FijarTamanosResultado({});
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    unsetenv("TEMP");
  }
  void Abrir(const std::string& cadena) {
    db.OpenServerADODB(false, 3, cadena, false, true);
    ASSERT_TRUE(db.gOpenFlag);
  }
  std::string Embebida() const { return "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + ruta + ";"; }
  std::string Odbc() const { return "DRIVER=SQLite3;Database=" + ruta + ";StepAPI=1;"; }
  void Ejecutar(const std::string& sql) {
    db.gCnn->Errors.Clear();
    db.EjecutaConsultaSQL(sql);
    ASSERT_EQ(db.gCnn->Errors.Count(), 0) << sql << ": " << db.gCnn->Errors.Item(0).descripcion;
  }
  // 30 sales lines over 3 customers, one of them unknown.
  void Datos() {
    Ejecutar("CREATE TABLE CLIENTES (codigo varchar(5), nombre varchar(20))");
    Ejecutar("INSERT INTO CLIENTES VALUES ('C1', 'Uno')");
    Ejecutar("INSERT INTO CLIENTES VALUES ('C2', 'Dos')");
    Ejecutar("CREATE TABLE VENTAS (linea integer, cliente varchar(5))");
    for (int i = 1; i <= 30; ++i)
      Ejecutar("INSERT INTO VENTAS VALUES (" + std::to_string(i) + ", 'C" + std::to_string(i % 3 + 1) + "')");
  }
  // Each line read asks for its customer on the same connection.
  std::vector<std::string> Exportar() {
    std::vector<std::string> lineas;
    Recordset rs;
    db.AbrirRecordset("SELECT linea, cliente FROM VENTAS ORDER BY linea", rs);
    while (rs.State() == estado_objeto::Abierto && !rs.Eof()) {
      const std::string cliente = rs.Valor("cliente").Texto();
      if (db.ExisteEnTabla("CLIENTES", cliente, "codigo", nullptr, 8))
        lineas.push_back(rs.Valor("linea").Texto() + ";" +
                         db.DatosTabla("CLIENTES", cliente, "nombre", "codigo", 8).Texto());
      if (rs.MoveNext().HayError()) break;
    }
    return lineas;
  }

  CarpetaPrueba carpeta;
  OperadorDePrueba op;
  std::string ruta = carpeta / "erp.sqlite";
  DB_Dll& db = DB();
};

TEST_F(UnResultadoDB, CadaFilaConsultaLaMismaConexionSinEncontrarlaOcupada) {
  auto estado = std::make_shared<MotorUnaActividad::Estado>();
  FijarFabricaMotor(
      [estado](const std::string&) { return std::make_unique<MotorUnaActividad>(CrearMotorSqlite(), true, estado); });
  unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");  // the stand-in tells its limit, as FreeTDS does
  Abrir(Embebida());
  Datos();
  const std::vector<std::string> lineas = Exportar();
  ASSERT_EQ(lineas.size(), 20u);
  EXPECT_EQ(lineas.front(), "1;Dos");
  EXPECT_EQ(lineas.back(), "30;Uno");
  EXPECT_EQ(estado->rechazos, 0);
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_EQ(db.gCnn->Errors.Count(), 0);
}

TEST_F(UnResultadoDB, ConElLimiteForzadoElMotorEmbebidoDaLoMismo) {
  Abrir(Embebida());
  Datos();
  const std::vector<std::string> lineas = Exportar();
  EXPECT_EQ(lineas.size(), 20u);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(UnResultadoDB, UnFalloAlApartarElRestoLlegaALaListaDeErrores) {
  EscribirArchivo(carpeta / "no_es_carpeta", "x");
  setenv("TEMP", (carpeta / "no_es_carpeta/").c_str(), 1);
  FijarTamanosResultado({1, 64});
  Abrir(Embebida());
  Datos();
  Recordset rs;
  db.AbrirRecordset("SELECT linea, cliente FROM VENTAS ORDER BY linea", rs);
  ASSERT_FALSE(rs.Eof());
  EXPECT_TRUE(db.ExisteEnTabla("CLIENTES", "C1", "codigo", nullptr, 8));
  ErrorSistema e;
  int leidas = 1;
  while (!(e = rs.MoveNext()).HayError() && !rs.Eof()) ++leidas;
  EXPECT_LT(leidas, 30);
  EXPECT_EQ(e.numero, ado::FalloProveedor);
  ASSERT_EQ(db.gCnn->Errors.Count(), 1);
  EXPECT_NE(db.gCnn->Errors.Item(0).descripcion.find("archivo temporal"), std::string::npos);
  EXPECT_EQ(db.gCnn->Errors.Item(0).estadoSql, "HY000");
}

TEST_F(UnResultadoDB, UnaFallaDelControladorAlLeerLlegaALaListaDeErrores) {
  Abrir(Odbc());
  Ejecutar("CREATE TABLE T (x integer)");
  for (const char* v : {"1", "2", "-9223372036854775808", "4"})
    Ejecutar(std::string("INSERT INTO T VALUES (") + v + ")");
  // Midway: the rows before the failure, then the failure on MoveNext.
  Recordset rs;
  db.AbrirRecordset("SELECT abs(x) AS a FROM T ORDER BY rowid", rs);
  ASSERT_EQ(rs.State(), estado_objeto::Abierto);
  // (The SQL Server dialect of the lookups does not pass this driver: a plain statement.)
  Ejecutar("UPDATE T SET x = x WHERE x = 4");
  EXPECT_FALSE(rs.MoveNext().HayError());
  EXPECT_EQ(rs.Valor("a").Numero(), 2);
  EXPECT_TRUE(rs.MoveNext().HayError());
  ASSERT_GT(db.gCnn->Errors.Count(), 0);
  EXPECT_NE(db.gCnn->Errors.Item(0).descripcion.find("integer overflow"), std::string::npos);
  // On the first row: the open fails, as the Part's error handling expects
  // (the driver's own failure reads as the unspecified one: a reconnect,
  // then the dialog and the log line).
  db.gCnn->Errors.Clear();
  db.AbrirRecordset("SELECT abs(x) AS a FROM T WHERE x < 0", rs);
  EXPECT_EQ(rs.State(), estado_objeto::Cerrado);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_NE(op->Mensajes()[0].texto.find("integer overflow"), std::string::npos);
  EXPECT_NE(LeerArchivo(carpeta / "PXERR.LOG").find("Rutina: - AbrirRecordset"), std::string::npos);
}

}  // namespace
