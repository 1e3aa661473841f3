// `ut_vorna --probar-conexion`: what an administrator reads after setting up
// a workstation, and the status a script can test.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/ProbarConexion.h"
#include "app/PuntoEntrada.h"
#include "db/DB_Dll.h"
#include "db/motor/ArchivoSqlite.h"
#include "sivlib/Aplicacion.h"
#include "support/CarpetaPrueba.h"
#include "support/PuertoCerrado.h"

namespace {

class ProbarConexionTest : public ::testing::Test {
 protected:
  // The settings file is looked up in the program's folder and the working
  // folder: both are the test's, so a settings file left on the machine
  // does not choose the drivers.
  void SetUp() override {
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    FijarCarpeta(carpeta.Ruta());
  }
  void TearDown() override {
    FijarCarpeta("");
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    DB().gCnn->Close();
    DB().gCnn->Errors.Clear();
    DB().gConnString.clear();
  }
  // Runs the probe; its standard output and error are kept.
  int Probar(const std::string& lanzamiento) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int estado = ProbarConexion(lanzamiento);
    salida = ::testing::internal::GetCapturedStdout();
    errores = ::testing::internal::GetCapturedStderr();
    return estado;
  }
  CarpetaPrueba carpeta;
  EnCarpeta trabajo{carpeta.Ruta()};
  OperadorDePrueba op;
  std::string salida, errores;
};

TEST_F(ProbarConexionTest, ConectadoMuestraElServidorYTerminaBien) {
  const std::string base = carpeta / "erp.sqlite";
  ASSERT_TRUE(CrearBaseSqlite(base).Ok());
  EXPECT_EQ(Probar(" @Server=sqlite; @DbName=" + base + "; @Usuario=ana;"), 0) << errores;
  EXPECT_NE(salida.find("Conexion correcta a sqlite\n"), std::string::npos) << salida;
  EXPECT_NE(salida.find("Version: 3."), std::string::npos) << salida;
  EXPECT_NE(salida.find("Formato de fecha: dmy\n"), std::string::npos) << salida;
  EXPECT_NE(salida.find("Resultados activos por conexion: sin limite\n"), std::string::npos) << salida;
  EXPECT_EQ(errores, "");
  EXPECT_TRUE(op->Mensajes().empty());
  // The setting that forces one result per connection shows.
  setenv("UT_VORNA_UN_RESULTADO_POR_CONEXION", "1", 1);
  EXPECT_EQ(Probar(" @Server=sqlite; @DbName=" + base + "; @Usuario=ana;"), 0) << errores;
  EXPECT_NE(salida.find("Resultados activos por conexion: 1\n"), std::string::npos) << salida;
}

TEST_F(ProbarConexionTest, SinConexionDiceElMotivoYTerminaConCuatro) {
  struct Caso {
    std::string lanzamiento;
    std::string esperado;
  };
  const PuertoCerrado puerto;
  const Caso casos[] = {
      {"@Server=sqlite; @DbName=" + carpeta / "no_existe.sqlite" + "; @Usuario=ana;", "(4060)"},
      {"@Server=127.0.0.1," + std::to_string(puerto.Numero()) + "; @DbName=ERP; @Usuario=ana; @Password=x;",
       "[08S01] (20009)"},
      {"@DbName=ERP; @Usuario=ana;", "no indica servidor y usuario"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Probar(c.lanzamiento), 4) << c.lanzamiento;
    EXPECT_NE(errores.find(c.esperado), std::string::npos) << errores;
    EXPECT_EQ(salida, "");
  }
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ProbarConexionTest, LaOpcionDelProgramaLlegaALaPrueba) {
  std::string a0 = "ut_vorna", a1 = "--probar-conexion", a2 = "@DbName=ERP;";
  char* argv[] = {a0.data(), a1.data(), a2.data(), nullptr};
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(EjecutarPrograma(3, argv, nullptr), 4);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("no indica servidor"), std::string::npos);
}

}  // namespace
