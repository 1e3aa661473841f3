// The one-active-result guard where things go wrong: a result that fails
// while it is being moved aside, a temporary folder that cannot take it, and
// what happens on a connection that allows one result when nothing guards it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "db/motor/AjustesResultados.h"
#include "db/motor/ArchivoSqlite.h"
#include "db/motor/MotorSqlite.h"
#include "support/CarpetaPrueba.h"
#include "support/MotorUnaActividad.h"

namespace {

class UnResultado : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CrearBaseSqlite(ruta_).Ok());
    setenv("UT_VORNA_UN_RESULTADO_POR_CONEXION", "1", 1);
    FijarTamanosResultado({1, size_t(1) << 20});
  }
  void TearDown() override {
    m_.reset();
    FijarFabricaMotor({});
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    unsetenv("TEMP");
    FijarTamanosResultado({});
  }
  void Abrir(const std::string& cadena) {
    m_ = CrearMotor(cadena);
    const Resultado r = m_->Abrir(cadena, "", "");
    ASSERT_TRUE(r.Ok()) << r.descripcion;
  }
  void Ok(const std::string& sql) {
    const Resultado r = m_->Ejecutar(sql, nullptr, nullptr);
    ASSERT_TRUE(r.Ok()) << sql << ": " << r.descripcion;
  }
  std::unique_ptr<Cursor> Consulta(const std::string& sql) {
    std::unique_ptr<Cursor> c;
    const Resultado r = m_->Ejecutar(sql, &c, nullptr);
    EXPECT_TRUE(r.Ok()) << r.descripcion;
    return c;
  }
  // The values of the first column until the end or a failure (in `r`).
  static std::vector<double> Leer(Cursor& c, Resultado& r, size_t n = size_t(-1)) {
    std::vector<double> v;
    while (v.size() < n && c.Siguiente(r)) v.push_back(c.Valor(0).Numero());
    return v;
  }
  std::string Embebida() const { return "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + ruta_ + ";"; }

  CarpetaPrueba carpeta_;
  std::string ruta_ = carpeta_ / "resultado.sqlite";
  std::unique_ptr<Motor> m_;
};

TEST_F(UnResultado, UnaFallaDelOrigenAlApartarElRestoLlegaDondeTerminanLasFilas) {
  // The SQLite ODBC driver in step mode fails on the third row (integer overflow).
  Abrir("DRIVER=SQLite3;Database=" + ruta_ + ";StepAPI=1;");
  Ok("CREATE TABLE T (x integer)");
  Ok("INSERT INTO T VALUES (1)");
  Ok("INSERT INTO T VALUES (2)");
  Ok("INSERT INTO T VALUES (-9223372036854775808)");
  Ok("INSERT INTO T VALUES (4)");
  auto c = Consulta("SELECT abs(x) FROM T ORDER BY rowid");
  ASSERT_TRUE(c);
  Resultado r;
  EXPECT_EQ(Leer(*c, r, 1), std::vector<double>{1});
  Ok("CREATE TABLE OTRA (y integer)");  // the rest is moved aside and meets the failure
  EXPECT_EQ(Leer(*c, r), std::vector<double>{2});
  EXPECT_FALSE(r.Ok());
  ASSERT_FALSE(r.errores.empty());
  EXPECT_EQ(r.errores[0].estadoSql, "HY000");
  EXPECT_NE(r.descripcion.find("integer overflow"), std::string::npos) << r.descripcion;
  Resultado despues;
  EXPECT_FALSE(c->Siguiente(despues));
  EXPECT_TRUE(despues.Ok());  // told once
}

TEST_F(UnResultado, UnaCarpetaTemporalInutilizableEsUnFalloDelResultadoNoDelPrograma) {
  // A file where the folder should be: nothing can be created inside it.
  EscribirArchivo(carpeta_ / "no_es_carpeta", "x");
  setenv("TEMP", (carpeta_ / "no_es_carpeta/").c_str(), 1);
  FijarTamanosResultado({1, 64});
  Abrir(Embebida());
  Ok("CREATE TABLE T (x integer, t varchar(40))");
  for (int i = 1; i <= 10; ++i) Ok("INSERT INTO T VALUES (" + std::to_string(i) + ", 'un texto de relleno')");
  auto c = Consulta("SELECT x, t FROM T ORDER BY x");
  ASSERT_TRUE(c);
  Resultado r;
  EXPECT_EQ(Leer(*c, r, 1), std::vector<double>{1});
  Ok("UPDATE T SET t = 'otro' WHERE x = 1");
  const std::vector<double> resto = Leer(*c, r);
  // What fitted in memory comes, then the failure naming the file.
  EXPECT_LT(resto.size(), 9u);
  EXPECT_EQ(r.numero, ado::FalloProveedor);
  EXPECT_NE(r.descripcion.find("archivo temporal"), std::string::npos) << r.descripcion;
  EXPECT_NE(r.descripcion.find("no_es_carpeta"), std::string::npos) << r.descripcion;
  ASSERT_EQ(r.errores.size(), 1u);
  EXPECT_EQ(r.errores[0].estadoSql, "HY000");
}

TEST_F(UnResultado, SinGuardaUnaConexionDeUnSoloResultadoRechazaLaSentenciaAnidada) {
  // A driver that does not tell its limit, and nothing forcing one: the
  // rows stream from the connection and the server's rule bites.
  unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
  auto estado = std::make_shared<MotorUnaActividad::Estado>();
  FijarFabricaMotor(
      [estado](const std::string&) { return std::make_unique<MotorUnaActividad>(CrearMotorSqlite(), false, estado); });
  Abrir(Embebida());
  Ok("CREATE TABLE T (x integer)");
  Ok("INSERT INTO T VALUES (1)");
  Ok("INSERT INTO T VALUES (2)");
  auto c = Consulta("SELECT x FROM T");
  Resultado r;
  Leer(*c, r, 1);
  const Resultado anidada = m_->Ejecutar("SELECT COUNT(*) FROM T", nullptr, nullptr);
  EXPECT_EQ(anidada.numero, ado::ObjetoEnUso);
  EXPECT_NE(anidada.descripcion.find("Connection is busy"), std::string::npos);
  EXPECT_EQ(estado->rechazos, 1);
  // Told the limit, the guard keeps the rule.
  c.reset();
  setenv("UT_VORNA_UN_RESULTADO_POR_CONEXION", "1", 1);
  Abrir(Embebida());
  c = Consulta("SELECT x FROM T");
  Leer(*c, r, 1);
  EXPECT_TRUE(m_->Ejecutar("SELECT COUNT(*) FROM T", nullptr, nullptr).Ok());
  EXPECT_EQ(Leer(*c, r), std::vector<double>{2});
  EXPECT_EQ(estado->rechazos, 1);
}

}  // namespace
