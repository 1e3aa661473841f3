// The promises every engine keeps behind the one-active-result guard, run
// against each engine we have: the embedded one and the SQLite ODBC driver
// (a real driver) with the limit forced, the stand-in that applies SQL
// Server's rule (its own limit), and the recording engine with the limit
// forced. Rows come back as they are without the limit, in the same order,
// whatever runs on the connection in between.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "db/motor/AjustesResultados.h"
#include "db/motor/ArchivoSqlite.h"
#include "db/motor/MotorGrabador.h"
#include "db/motor/MotorSqlite.h"
#include "support/CarpetaPrueba.h"
#include "support/MotorUnaActividad.h"

namespace {

enum class Clase { Embebido, OdbcSqlite, UnaActividad, Grabador };

std::string Nombre(const ::testing::TestParamInfo<Clase>& i) {
  switch (i.param) {
    case Clase::Embebido: return "Embebido";
    case Clase::OdbcSqlite: return "OdbcSqlite";
    case Clase::UnaActividad: return "UnaActividad";
    case Clase::Grabador: return "Grabador";
  }
  return "?";
}

using Filas = std::vector<std::vector<Variant>>;
constexpr int kFilas = 20;

class ContratoMotor : public ::testing::TestWithParam<Clase> {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(temporal_);
    setenv("TEMP", temporal_.c_str(), 1);
    FijarTamanosResultado({2, size_t(1) << 20});
    ASSERT_TRUE(CrearBaseSqlite(ruta_).Ok());
    Forzar(GetParam() != Clase::UnaActividad);
    if (GetParam() == Clase::UnaActividad)
      FijarFabricaMotor([](const std::string&) { return std::make_unique<MotorUnaActividad>(CrearMotorSqlite()); });
    if (GetParam() == Clase::Grabador) grabacion_ = std::make_unique<InstalacionGrabador>();
    m_ = Abrir();
    ASSERT_TRUE(m_);
    Preparar();
  }
  void TearDown() override {
    m_.reset();
    grabacion_.reset();
    FijarFabricaMotor({});
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    unsetenv("TEMP");
    FijarTamanosResultado({});
  }

  static void Forzar(bool si) {
    if (si) setenv("UT_VORNA_UN_RESULTADO_POR_CONEXION", "1", 1);
    else unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
  }

  std::unique_ptr<Motor> Abrir() {
    const std::string cadena = GetParam() == Clase::OdbcSqlite
                                   ? "DRIVER=SQLite3;Database=" + ruta_ + ";StepAPI=1;"
                                   : "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + ruta_ + ";";
    auto m = CrearMotor(cadena);
    const Resultado r = m->Abrir(cadena, "", "");
    EXPECT_TRUE(r.Ok()) << r.descripcion;
    return r.Ok() ? std::move(m) : nullptr;
  }

  void Ok(const std::string& sql) {
    const Resultado r = m_->Ejecutar(sql, nullptr, nullptr);
    ASSERT_TRUE(r.Ok()) << sql << ": " << r.descripcion;
  }

  // T: kFilas rows of texts, numbers and nulls; U: one counter.
  void Preparar() {
    if (grabacion_) {
      Filas filas;
      for (int i = 1; i <= kFilas; ++i)
        filas.push_back({Variant(i), Variant("fila " + std::to_string(i)), Variant(i * 1.25),
                         i % 3 ? Variant::Nulo() : Variant("x")});
      (*grabacion_)
          ->Responder("FROM T ", RespuestaGrabada::Filas({{"N", tipo_ado::Integer},
                                                          {"Nombre", tipo_ado::VarChar},
                                                          {"Importe", tipo_ado::Double},
                                                          {"Nulo", tipo_ado::VarChar}},
                                                         filas));
      (*grabacion_)->Responder("FROM U", RespuestaGrabada::Filas({{"V", tipo_ado::Integer}}, {{Variant(1)}}));
      return;
    }
    Ok("CREATE TABLE T (N integer, Nombre varchar(20), Importe float, Nulo varchar(5))");
    Ok("CREATE TABLE U (V integer)");
    Ok("INSERT INTO U VALUES (0)");
    for (int i = 1; i <= kFilas; ++i)
      Ok("INSERT INTO T VALUES (" + std::to_string(i) + ", 'fila " + std::to_string(i) + "', " + std::to_string(i) +
         ".25, " + (i % 3 ? "NULL" : "'x'") + ")");
  }

  std::unique_ptr<Cursor> Consulta() {
    std::unique_ptr<Cursor> c;
    const Resultado r = m_->Ejecutar("SELECT N, Nombre, Importe, Nulo FROM T ORDER BY N", &c, nullptr);
    EXPECT_TRUE(r.Ok()) << r.descripcion;
    EXPECT_TRUE(c);
    return c;
  }

  // Up to `n` rows of the cursor (all of them by default).
  static Filas Leer(Cursor& c, size_t n = size_t(-1)) {
    Filas filas;
    Resultado r;
    while (filas.size() < n && c.Siguiente(r)) {
      std::vector<Variant> fila;
      for (size_t i = 0; i < c.Campos().size(); ++i) fila.push_back(c.Valor(i));
      filas.push_back(std::move(fila));
    }
    EXPECT_TRUE(r.Ok()) << r.descripcion;
    return filas;
  }

  Filas Referencia() {
    auto c = Consulta();
    return c ? Leer(*c) : Filas{};
  }

  // A write and a read of another table, read to its end.
  long Anidada() {
    if (!m_->Ejecutar("UPDATE U SET V = V + 1", nullptr, nullptr).Ok()) return -1;
    std::unique_ptr<Cursor> c;
    if (!m_->Ejecutar("SELECT V FROM U", &c, nullptr).Ok() || !c) return -1;
    const Filas f = Leer(*c);
    return f.size() == 1 ? long(f[0][0].Numero()) : -1;
  }

  size_t ArchivosTemporales() const {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(temporal_))
      if (e.path().filename().string().rfind("ut_vorna_resultado_", 0) == 0) ++n;
    return n;
  }

  CarpetaPrueba carpeta_;
  std::string temporal_ = carpeta_ / "temp/";
  std::string ruta_ = carpeta_ / "contrato.sqlite";
  std::unique_ptr<InstalacionGrabador> grabacion_;
  std::unique_ptr<Motor> m_;
};

TEST_P(ContratoMotor, UnaSentenciaMientrasUnResultadoEstaAMedias) {
  const Filas referencia = Referencia();
  ASSERT_EQ(referencia.size(), size_t(kFilas));
  auto c = Consulta();
  ASSERT_TRUE(c);
  Filas leidas = Leer(*c, 3);
  EXPECT_EQ(Anidada(), 1);
  const Filas resto = Leer(*c);
  leidas.insert(leidas.end(), resto.begin(), resto.end());
  EXPECT_EQ(leidas, referencia);
  EXPECT_EQ(c->Campos().size(), 4u);
  EXPECT_EQ(c->Campos()[1].nombre, "Nombre");
}

TEST_P(ContratoMotor, UnResultadoAbandonadoNoRetieneLaConexion) {
  auto c = Consulta();
  ASSERT_TRUE(c);
  EXPECT_EQ(Leer(*c, 1).size(), 1u);
  c.reset();
  EXPECT_EQ(Anidada(), 1);
  EXPECT_EQ(Referencia().size(), size_t(kFilas));
}

TEST_P(ContratoMotor, UnResultadoMayorQueLaMemoriaPasaPorUnArchivoQueLuegoSeBorra) {
  const Filas referencia = Referencia();
  FijarTamanosResultado({2, 64});
  auto c = Consulta();
  ASSERT_TRUE(c);
  Filas leidas = Leer(*c, 1);
  EXPECT_EQ(Anidada(), 1);
  EXPECT_EQ(ArchivosTemporales(), 1u);
  const Filas resto = Leer(*c);
  leidas.insert(leidas.end(), resto.begin(), resto.end());
  EXPECT_EQ(leidas, referencia);
  EXPECT_EQ(ArchivosTemporales(), 0u);

  // Let go half read: the file goes with it.
  c = Consulta();
  Leer(*c, 1);
  Anidada();
  EXPECT_EQ(ArchivosTemporales(), 1u);
  c.reset();
  EXPECT_EQ(ArchivosTemporales(), 0u);
}

TEST_P(ContratoMotor, ElLimiteEnVigorYElPropioDelMotor) {
  EXPECT_EQ(m_->ResultadosActivosMaximos(), 1);
  Forzar(false);
  m_ = Abrir();
  ASSERT_TRUE(m_);
  // Only the stand-in (as FreeTDS) says it allows one; the SQLite ODBC driver
  // says it has no limit.
  EXPECT_EQ(m_->ResultadosActivosMaximos(), GetParam() == Clase::UnaActividad ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Motores, ContratoMotor,
                         ::testing::Values(Clase::Embebido, Clase::OdbcSqlite, Clase::UnaActividad, Clase::Grabador),
                         Nombre);

}  // namespace
