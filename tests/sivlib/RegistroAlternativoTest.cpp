// The error log of a program whose folder cannot be written still lands
// in the user's state folder, created for its owner only.
#include "sivlib/RegistroAlternativo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "sivlib/RegistroErrores.h"
#include "support/CarpetaPrueba.h"
#include "support/VariableEntorno.h"

namespace {

namespace fs = std::filesystem;

TEST(RegistroAlternativo, LaLineaVaALaCarpetaDeEstadoDelUsuario) {
  CarpetaPrueba carpeta;
  // A program folder nobody can write into, not even the superuser: a file.
  EscribirArchivo(carpeta / "programa", "");
  const std::string log = carpeta / "programa/PXERR.LOG";
  struct Caso {
    const char* estado;
    const char* casa;
    std::string carpetaEsperada;
  } casos[] = {{"estado", "casa", carpeta / "estado/ut_vorna"},
               {nullptr, "casa", carpeta / "casa/.local/state/ut_vorna"}};
  for (const Caso& c : casos) {
    VariableEntorno estado("XDG_STATE_HOME", c.estado ? (carpeta / c.estado).c_str() : nullptr);
    VariableEntorno casa("HOME", (carpeta / c.casa).c_str());
    EXPECT_EQ(registro::RutaAlternativa(log), c.carpetaEsperada + "/PXERR.LOG");
    EXPECT_TRUE(registro::Anexar(log, "linea uno"));
    EXPECT_TRUE(registro::Anexar(log, "linea dos"));
    EXPECT_EQ(LeerArchivo(c.carpetaEsperada + "/PXERR.LOG"), "linea uno\r\nlinea dos\r\n");
    EXPECT_EQ(fs::status(c.carpetaEsperada).permissions() & fs::perms::all, fs::perms::owner_all);
  }
  // A log that can be written stays where it is.
  VariableEntorno estado("XDG_STATE_HOME", (carpeta / "otro").c_str());
  EXPECT_TRUE(registro::Anexar(carpeta / "PXERR.LOG", "aqui"));
  EXPECT_EQ(LeerArchivo(carpeta / "PXERR.LOG"), "aqui\r\n");
  EXPECT_FALSE(Existe(carpeta / "otro"));
}

TEST(RegistroAlternativo, SinCarpetaDeEstadoNiCasaLaLineaSePierde) {
  CarpetaPrueba carpeta;
  EscribirArchivo(carpeta / "programa", "");
  VariableEntorno estado("XDG_STATE_HOME", nullptr);
  VariableEntorno casa("HOME", nullptr);
  EXPECT_EQ(registro::RutaAlternativa(carpeta / "programa/PXERR.LOG"), "");
  EXPECT_FALSE(registro::Anexar(carpeta / "programa/PXERR.LOG", "x"));
}

}  // namespace
