// The installed program, started as a process: what it writes goes to the
// application folder of its user, never into the installation.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/CarpetaPrueba.h"
#include "support/ProcesoPrueba.h"

namespace {

namespace fs = std::filesystem;

class ProgramaInstalado : public ::testing::Test {
 protected:
  // The unattended run on a database file that does not exist: it ends
  // with status 4 after logging why.
  int Correr(const std::vector<std::string>& entorno) {
    std::vector<std::string> todo = {"PATH=/usr/bin:/bin", "TEMP=" + dir.Ruta(), "XDG_STATE_HOME=" + dir / "estado"};
    todo.insert(todo.end(), entorno.begin(), entorno.end());
    const std::string lanzamiento =
        "@server=sqlite; @dbname=" + (dir / "no-existe.sqlite") + "; @usuario=ana; @ParametroAdicional=1;";
    if (!proceso.Lanzar({programa, lanzamiento}, todo, dir / "stderr.txt")) return -1;
    return proceso.Esperar(120);
  }
  std::string Errores() const { return LeerArchivo(dir / "stderr.txt"); }

  CarpetaPrueba dir;
  CarpetaProgramas programas;
  std::string programa = InstalarPrograma(programas / "usr", "ut_vorna_instalado");
  ProcesoPrueba proceso;
};

TEST_F(ProgramaInstalado, ElRegistroDeErroresVaALaCarpetaDelUsuario) {
  const int estado = Correr({"HOME=" + dir / "casa"});
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 4) << Errores();
  const std::string carpeta = dir / "casa/.local/share/ut_vorna/";
  const std::string log = LeerArchivo(carpeta + "PXERR.LOG");
  EXPECT_NE(log.find("No se pudo abrir la conexion con la base de datos"), std::string::npos) << log;
  EXPECT_EQ(fs::status(carpeta).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_FALSE(Existe(programas / "usr/bin/PXERR.LOG"));
  EXPECT_FALSE(Existe(dir / "estado/ut_vorna/PXERR.LOG")) << "the user's folder took every line";
}

TEST_F(ProgramaInstalado, UnaCarpetaQueNoSePuedeCrearSeAvisaYElProgramaSigue) {
  EscribirArchivo(dir / "archivo", "");
  const int estado = Correr({"HOME=" + dir / "casa", "UT_VORNA_CARPETA=" + dir / "archivo"});
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 4) << "the run went on to the database: " << Errores();
  const std::string aviso = "No se puede usar la carpeta de la aplicacion " + dir / "archivo";
  EXPECT_NE(Errores().find(aviso), std::string::npos) << Errores();
  // The log's lines reach the user's state folder instead.
  const std::string log = LeerArchivo(dir / "estado/ut_vorna/PXERR.LOG");
  EXPECT_NE(log.find(aviso), std::string::npos) << log;
  EXPECT_NE(log.find("No se pudo abrir la conexion con la base de datos"), std::string::npos) << log;
  EXPECT_FALSE(Existe(dir / "casa")) << "a folder named by UT_VORNA_CARPETA is the only one tried";
}

}  // namespace
