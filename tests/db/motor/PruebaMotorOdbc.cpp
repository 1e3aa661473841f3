// The ODBC engine against real drivers: the SQLite ODBC driver for reading
// and writing, FreeTDS against loopback addresses for the failures.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "db/motor/ArchivoSqlite.h"
#include "db/motor/CadenaOdbc.h"
#include "db/motor/ControladoresOdbc.h"
#include "db/motor/Motor.h"
#include "support/CarpetaPrueba.h"
#include "support/PuertoCerrado.h"

namespace {

class MotorOdbcSqlite : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string ruta = carpeta_ / "odbc.sqlite";
    ASSERT_TRUE(CrearBaseSqlite(ruta).Ok());
    cadena_ = "DRIVER=SQLite3;Database=" + ruta + ";";
    m_ = CrearMotor(cadena_);
    Resultado r = m_->Abrir(cadena_, "", "");
    ASSERT_TRUE(r.Ok()) << r.descripcion;
  }
  void Ok(const std::string& sql, long* n = nullptr) {
    Resultado r = m_->Ejecutar(sql, nullptr, n);
    ASSERT_TRUE(r.Ok()) << sql << ": " << r.descripcion;
  }
  long Contar(const char* tabla) {
    std::unique_ptr<Cursor> c;
    Resultado r = m_->Ejecutar(std::string("SELECT COUNT(*) FROM ") + tabla, &c, nullptr);
    if (!r.Ok() || !c || !c->Siguiente(r)) return -1;
    return long(c->Valor(0).Numero());
  }
  CarpetaPrueba carpeta_;
  std::string cadena_;
  std::unique_ptr<Motor> m_;
};

double Segundos(std::chrono::steady_clock::time_point desde) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - desde).count();
}

}  // namespace

TEST_F(MotorOdbcSqlite, EscribeLeeYDescribeLasColumnas) {
  Ok("CREATE TABLE MA_ART (Codigo varchar(10) PRIMARY KEY, Descripcion varchar(40), Stock integer, Precio double, "
     "Alta timestamp)");
  long n = 0;
  Ok("INSERT INTO MA_ART VALUES ('A1', 'Yerba ñ', 5, 12.5, '2026-12-09 14:05:00')", &n);
  EXPECT_EQ(n, 1);
  Ok("INSERT INTO MA_ART VALUES ('A2', NULL, 0, 1, NULL)");
  Ok("UPDATE MA_ART SET Stock = Stock + 1", &n);
  EXPECT_EQ(n, 2);

  std::unique_ptr<Cursor> c;
  ASSERT_TRUE(
      m_->Ejecutar("SELECT Codigo, Descripcion, Stock, Precio, Alta FROM MA_ART ORDER BY Codigo", &c, nullptr).Ok());
  ASSERT_TRUE(c);
  const auto& campos = c->Campos();
  ASSERT_EQ(campos.size(), 5u);
  EXPECT_EQ(campos[0].nombre, "Codigo");
  EXPECT_EQ(campos[0].tipoAdo, tipo_ado::VarChar);
  EXPECT_EQ(campos[0].tamanoDefinido, 10);
  EXPECT_EQ(campos[2].tipoAdo, tipo_ado::Integer);
  EXPECT_EQ(campos[3].tipoAdo, tipo_ado::Double);
  EXPECT_EQ(campos[4].tipoAdo, tipo_ado::DBTimeStamp);
  Resultado r;
  ASSERT_TRUE(c->Siguiente(r));
  EXPECT_EQ(c->Valor(0).Texto(), "A1");
  EXPECT_EQ(c->Valor(1).Texto(), "Yerba ñ");
  EXPECT_EQ(c->Valor(2).Numero(), 6);
  EXPECT_EQ(c->Valor(3).Numero(), 12.5);
  ASSERT_TRUE(c->Valor(4).EsFecha());
  EXPECT_EQ(c->Valor(4).Fecha(), (FechaHora{2026, 12, 9, 14, 5, 0}));
  ASSERT_TRUE(c->Siguiente(r));
  EXPECT_TRUE(c->Valor(1).EsNulo());
  EXPECT_TRUE(c->Valor(4).EsNulo());
  EXPECT_FALSE(c->Siguiente(r));
  EXPECT_TRUE(r.Ok());

  std::vector<std::string> nombres;
  ASSERT_TRUE(m_->Tablas(nombres).Ok());
  EXPECT_EQ(nombres, (std::vector<std::string>{"MA_ART"}));
  ASSERT_TRUE(m_->Columnas("", "MA_ART", nombres).Ok());
  EXPECT_EQ(nombres, (std::vector<std::string>{"Codigo", "Descripcion", "Stock", "Precio", "Alta"}));
}

TEST_F(MotorOdbcSqlite, SentenciaFallidaConSusRegistrosDeDiagnostico) {
  Ok("CREATE TABLE T (A integer PRIMARY KEY)");
  Ok("INSERT INTO T VALUES (1)");
  Resultado r = m_->Ejecutar("INSERT INTO T VALUES (1)", nullptr, nullptr);
  EXPECT_FALSE(r.Ok());
  ASSERT_FALSE(r.errores.empty());
  // The SQLite driver reports SQL state HY000 with SQLite's code as native.
  EXPECT_EQ(r.errores[0].estadoSql, "HY000");
  EXPECT_EQ(r.errores[0].nativo, 19);  // SQLITE_CONSTRAINT
  EXPECT_NE(r.errores[0].descripcion.find("UNIQUE"), std::string::npos) << r.errores[0].descripcion;
  EXPECT_EQ(r.numero, ado::ErrorNoEspecificado);
  EXPECT_EQ(r.numero, r.errores[0].numero);

  r = m_->Ejecutar("SELECT * FROM NO_HAY", nullptr, nullptr);
  ASSERT_FALSE(r.errores.empty());
  EXPECT_NE(r.errores[0].descripcion.find("no such table"), std::string::npos);
}

TEST_F(MotorOdbcSqlite, TransaccionConfirmadaYDeshecha) {
  Ok("CREATE TABLE T (A integer)");
  ASSERT_TRUE(m_->ComenzarTransaccion().Ok());
  Ok("INSERT INTO T VALUES (1)");
  ASSERT_TRUE(m_->DeshacerTransaccion().Ok());
  EXPECT_EQ(Contar("T"), 0);
  ASSERT_TRUE(m_->ComenzarTransaccion().Ok());
  Ok("INSERT INTO T VALUES (2)");
  ASSERT_TRUE(m_->ConfirmarTransaccion().Ok());
  EXPECT_EQ(Contar("T"), 1);
  EXPECT_FALSE(m_->ConfirmarTransaccion().Ok());
}

TEST(MotorOdbcSqlServer, SinNadaEscuchandoFallaEnseguidaCon08S01) {
  const PuertoCerrado puerto;
  ASSERT_NE(puerto.Numero(), 0);
  const std::string cadena =
      "PROVIDER=SQLOLEDB;Server=127.0.0.1," + std::to_string(puerto.Numero()) + ";Database =ERP;UId=sa;Pwd=x;";
  auto m = CrearMotor(cadena);
  const auto inicio = std::chrono::steady_clock::now();
  Resultado r = m->Abrir(cadena, "", "");
  EXPECT_LT(Segundos(inicio), 10.0);
  EXPECT_FALSE(r.Ok());
  EXPECT_FALSE(m->Abierto());
  ASSERT_FALSE(r.errores.empty());
  EXPECT_EQ(r.errores[0].estadoSql, "08S01");
  EXPECT_EQ(r.errores[0].nativo, 20009);
  EXPECT_EQ(r.numero, ado::ErrorNoEspecificado);
}

TEST(MotorOdbcSqlServer, UnServidorMudoNoCuelgaMasQueElTiempoDeConexion) {
  // Accepts the connection (the kernel does) but never answers.
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ASSERT_EQ(listen(s, 4), 0);
  socklen_t l = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &l);
  const std::string cadena =
      "PROVIDER=SQLOLEDB;Server=127.0.0.1," + std::to_string(ntohs(a.sin_port)) + ";Database =ERP;UId=sa;Pwd=x;";
  auto m = CrearMotor(cadena);
  m->FijarTiempoConexion(2);
  const auto inicio = std::chrono::steady_clock::now();
  Resultado r = m->Abrir(cadena, "", "");
  const double s_ = Segundos(inicio);
  close(s);
  EXPECT_FALSE(r.Ok());
  EXPECT_LT(s_, 15.0);
  ASSERT_FALSE(r.errores.empty());
  EXPECT_TRUE(r.errores[0].estadoSql == "HYT00" || r.errores[0].estadoSql == "08S01") << r.errores[0].estadoSql;
}

TEST(CadenaOdbc, DeLaCadenaAdo) {
  unsetenv("UT_VORNA_DRIVER_SQLSERVER");
  unsetenv("UT_VORNA_DRIVER_ORACLE");
  FijarControladoresOdbc("", "");
  EXPECT_EQ(
      CadenaOdbc(TipoOdbc::SqlServer, "PROVIDER=SQLOLEDB;Server=srv01,1433;Database =ERP;UId=ana;Pwd=a;b;", "", ""),
      "DRIVER={FreeTDS};Server=srv01;Port=1433;Database=ERP;UID=ana;PWD=a;TDS_Version=7.4;ClientCharset=UTF-8;Language=;");
  EXPECT_EQ(
      CadenaOdbc(TipoOdbc::SqlServer, "PROVIDER=SQLOLEDB;Server=srv\\INST;Database =ERP;UId=ana;Pwd=x;TDS_Version=7.2;",
                 "luis", "c;1"),
      "DRIVER={FreeTDS};Server=srv\\INST;Database=ERP;UID=luis;PWD={c;1};TDS_Version=7.2;ClientCharset=UTF-8;Language=;");
  EXPECT_EQ(CadenaOdbc(TipoOdbc::Oracle, "Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=u;Password=p;", "", ""),
            "DRIVER={Oracle};DBQ=ORCL;UID=u;PWD=p;");
  EXPECT_EQ(CadenaOdbc(TipoOdbc::Directo, "DRIVER=SQLite3;Database=/tmp/x.db", "", ""),
            "DRIVER=SQLite3;Database=/tmp/x.db;");

  FijarControladoresOdbc("ODBC Driver 18 for SQL Server", "OracleODBC-19");
  EXPECT_EQ(CadenaOdbc(TipoOdbc::SqlServer, "PROVIDER=SQLOLEDB;Server=srv,1433;Database =ERP;UId=u;Pwd=p;", "", ""),
            "DRIVER={ODBC Driver 18 for SQL Server};Server=srv,1433;Database=ERP;UID=u;PWD=p;");
  setenv("UT_VORNA_DRIVER_ORACLE", "OtroOracle", 1);
  EXPECT_EQ(ControladorOracle(), "OtroOracle");
  unsetenv("UT_VORNA_DRIVER_ORACLE");
  EXPECT_EQ(ControladorOracle(), "OracleODBC-19");
  FijarControladoresOdbc("", "");
  EXPECT_EQ(ControladorSqlServer(), "FreeTDS");
}
