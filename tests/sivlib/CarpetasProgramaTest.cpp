// Where the program finds and keeps its files: beside itself when run from
// its build folder; in a folder of its user when installed, its read-only
// files in the installation.
#include "sivlib/CarpetasPrograma.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/CarpetaPrueba.h"
#include "support/VariableEntorno.h"

namespace {

namespace fs = std::filesystem;

fs::perms Derechos(const std::string& ruta) { return fs::status(ruta).permissions() & fs::perms::all; }

// A prefix with "bin/" and "share/ut_vorna/", as `cmake --install` leaves it.
class CarpetasInstaladas : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(carpeta / "usr/share/ut_vorna"); }
  void TearDown() override { FijarInstalacion(std::nullopt); }

  CarpetaPrueba carpeta;
  std::string programa = carpeta / "usr/bin/ut_vorna";
  // No variable of the outer environment decides for the tests.
  VariableEntorno sinPropia{"UT_VORNA_CARPETA", nullptr};
  VariableEntorno sinDatos{"XDG_DATA_HOME", nullptr};
  VariableEntorno sinCasa{"HOME", nullptr};
};

TEST_F(CarpetasInstaladas, InstaladoCuandoBinTieneAlLadoShareUtVorna) {
  fs::create_directories(carpeta / "otro/share/ut_vorna");
  fs::create_directories(carpeta / "suelto/bin");
  fs::create_directories(carpeta / "archivo/share");
  EscribirArchivo(carpeta / "archivo/share/ut_vorna", "");
  const auto instalacion = InstalacionDe(programa);
  ASSERT_TRUE(instalacion);
  EXPECT_EQ(instalacion->programa, programa);
  EXPECT_EQ(instalacion->datos, carpeta / "usr/share/ut_vorna/");
  for (const char* ajena : {"otro/libexec/ut_vorna", "suelto/bin/ut_vorna", "archivo/bin/ut_vorna", "ut_vorna"})
    EXPECT_FALSE(InstalacionDe(carpeta / ajena)) << ajena;
}

TEST_F(CarpetasInstaladas, LaCarpetaDelUsuarioSigueElOrdenYSeCreaSoloParaEl) {
  // Values of UT_VORNA_CARPETA and XDG_DATA_HOME (empty: unset); HOME is the "casa" folder.
  struct Caso {
    std::string propia, datos, esperada;
  } casos[] = {{carpeta / "propia", carpeta / "datos", carpeta / "propia/"},
               {"", carpeta / "datos", carpeta / "datos/ut_vorna/"},
               // XDG_DATA_HOME must be absolute; a relative one is ignored.
               {"", "relativa", carpeta / "casa/.local/share/ut_vorna/"},
               {"", "", carpeta / "casa/.local/share/ut_vorna/"}};
  const auto valor = [](const std::string& v) { return v.empty() ? nullptr : v.c_str(); };
  for (const Caso& c : casos) {
    fs::remove_all(carpeta / "casa");
    fs::create_directories(carpeta / "casa");
    VariableEntorno propia("UT_VORNA_CARPETA", valor(c.propia));
    VariableEntorno datos("XDG_DATA_HOME", valor(c.datos));
    VariableEntorno casa("HOME", carpeta / "casa");
    const CarpetasPrograma r = CarpetasDe(programa);
    EXPECT_EQ(r.aplicacion, c.esperada);
    EXPECT_EQ(r.error, "");
    ASSERT_TRUE(r.instalacion);
    EXPECT_TRUE(fs::is_directory(c.esperada)) << c.esperada;
    EXPECT_EQ(Derechos(c.esperada), fs::perms::owner_all) << c.esperada;
  }
  // Every folder it had to make above it is its owner's only, too.
  EXPECT_EQ(Derechos(carpeta / "casa/.local"), fs::perms::owner_all);
  EXPECT_FALSE(Existe(carpeta / "relativa"));
}

TEST_F(CarpetasInstaladas, UnaCarpetaQueYaExisteConservaSusDerechos) {
  // An administrator may share one folder among the users of a machine.
  fs::create_directories(carpeta / "compartida");
  fs::permissions(carpeta / "compartida",
                  fs::perms::owner_all | fs::perms::group_all | fs::perms::others_read | fs::perms::others_exec);
  VariableEntorno propia("UT_VORNA_CARPETA", carpeta / "compartida");
  EXPECT_EQ(CarpetasDe(programa).aplicacion, carpeta / "compartida/");
  EXPECT_EQ(Derechos(carpeta / "compartida"),
            fs::perms::owner_all | fs::perms::group_all | fs::perms::others_read | fs::perms::others_exec);
}

TEST_F(CarpetasInstaladas, UnaCarpetaQueNoSePuedeUsarSeDiceConSuNombre) {
  // A file where a folder should be: refused whoever runs the test, the
  // superuser included.
  EscribirArchivo(carpeta / "archivo", "");
  struct Caso {
    const char* variable;
    std::string valor;
    std::string carpeta;
  } casos[] = {{"UT_VORNA_CARPETA", carpeta / "archivo", carpeta / "archivo"},
               {"HOME", carpeta / "archivo", carpeta / "archivo/.local/share/ut_vorna"}};
  for (const Caso& c : casos) {
    VariableEntorno v(c.variable, c.valor);
    const CarpetasPrograma r = CarpetasDe(programa);
    EXPECT_EQ(r.aplicacion, c.carpeta + "/");
    EXPECT_NE(r.error.find("No se puede usar la carpeta de la aplicacion " + c.carpeta + ": "), std::string::npos)
        << r.error;
  }
  const CarpetasPrograma sinVariables = CarpetasDe(programa);
  EXPECT_NE(sinVariables.error.find("HOME"), std::string::npos) << sinVariables.error;
}

TEST_F(CarpetasInstaladas, FueraDeUnaInstalacionTodoQuedaJuntoAlPrograma) {
  fs::create_directories(carpeta / "build/bin");
  VariableEntorno propia("UT_VORNA_CARPETA", carpeta / "propia");
  VariableEntorno casa("HOME", carpeta / "casa");
  const CarpetasPrograma r = CarpetasDe(carpeta / "build/bin/ut_vorna");
  EXPECT_EQ(r.aplicacion, carpeta / "build/bin/");
  EXPECT_EQ(r.error, "");
  EXPECT_FALSE(r.instalacion);
  EXPECT_FALSE(Existe(carpeta / "propia"));
  EXPECT_FALSE(Existe(carpeta / "casa"));
}

TEST_F(CarpetasInstaladas, UnArchivoDeLecturaSeBuscaEnLaCarpetaDeLaAplicacionYLuegoEnLaInstalacion) {
  const std::string aplicacion = carpeta / "aplicacion";  // without its final separator
  fs::create_directories(aplicacion);
  const std::string instalado = carpeta / "usr/share/ut_vorna/completopxe.sql";
  const std::string propio = aplicacion + "/completopxe.sql";
  EXPECT_EQ(ArchivoDeLectura(aplicacion, "completopxe.sql"), propio) << "not installed: only its own folder";
  FijarInstalacion(InstalacionDe(programa));
  EXPECT_EQ(ArchivoDeLectura(aplicacion, "completopxe.sql"), instalado) << "missing everywhere: where it belongs";
  EscribirArchivo(instalado, "-- instalado");
  EXPECT_EQ(ArchivoDeLectura(aplicacion, "completopxe.sql"), instalado);
  EscribirArchivo(propio, "-- propio");
  EXPECT_EQ(ArchivoDeLectura(aplicacion, "completopxe.sql"), propio);
}

}  // namespace
