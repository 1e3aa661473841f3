// The start-up sequence of the real program, started as a process: on an
// embedded database, and against a SQL Server that cannot be reached.
//
// The program is run from a copy under another name, under the build
// folder: its error log (beside the executable) stays there, and the
// single-instance rule, which counts processes named like the program,
// does not see it (the instance tests run their own copies meanwhile).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/esquema/TablasPropias.h"
#include "support/BaseDePrueba.h"
#include "support/CarpetaPrueba.h"
#include "support/ProcesoPrueba.h"
#include "support/PuertoCerrado.h"

namespace {

class ArranqueProceso : public ::testing::Test {
 protected:
  // Starts the copy with the launch string; standard error goes to a file.
  void Lanzar(const std::string& lanzamiento, std::vector<std::string> entorno) {
    entorno.push_back("PATH=/usr/bin:/bin");
    entorno.push_back("TEMP=" + dir.Ruta());
    ASSERT_TRUE(proceso.Lanzar({programa, lanzamiento}, entorno, dir / "stderr.txt")) << programa;
  }

  // A SQL Server address where nothing listens.
  std::string Inalcanzable() const { return "127.0.0.1," + std::to_string(puerto.Numero()); }

  CarpetaPrueba dir;
  CarpetaProgramas programas;
  PuertoCerrado puerto;
  std::string programa = CopiarPrograma(programas.Ruta(), "ut_vorna_arranque");
  ProcesoPrueba proceso;
};

TEST_F(ArranqueProceso, EmbeddedDatabaseOpensAndOneAccessRowIsWritten) {
  const std::string base = dir / "erp.sqlite";
  std::string error;
  ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  Lanzar("@server=sqlite; @dbname=" + base + "; @usuario=ana; @ParametroAdicional=1;", {});
  const int estado = proceso.Esperar(120);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_NE(estado, -1) << "the unattended run ends by itself";
  EXPECT_NE(estado, 4) << LeerArchivo(dir / "stderr.txt");
  EXPECT_EQ(ConsultarSqlite(base, "SELECT Usuario, Formulario, NombreUsuario FROM Control_Acceso"),
            (Filas{{"ANA", "UT_VORNA_ARRANQUE", "ana"}}));
}

TEST_F(ArranqueProceso, UnreachableServerEndsTheUnattendedRunWithStatusFour) {
  Lanzar("@server=" + Inalcanzable() + "; @dbname=x; @usuario=u; @ParametroAdicional=1;", {});
  const int estado = proceso.Esperar(120);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 4);
  const std::string errores = LeerArchivo(dir / "stderr.txt");
  EXPECT_NE(errores.find("No se pudo abrir la conexion con la base de datos"), std::string::npos) << errores;
  const std::string log = LeerArchivo(programas / "PXERR.LOG");
  EXPECT_NE(log.find("No se pudo abrir la conexion con la base de datos"), std::string::npos) << log;
  EXPECT_NE(log.find("Error de Conexion"), std::string::npos) << "the connection error was logged too: " << log;
}

TEST_F(ArranqueProceso, UnreachableServerAsksTheOperatorInTheInteractiveRun) {
  Lanzar("@server=" + Inalcanzable() + "; @dbname=x; @usuario=u;",
         {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + dir.Ruta()});
  const int estado = proceso.Esperar(5);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, -1) << "the connection dialog waits for the operator: " << LeerArchivo(dir / "stderr.txt");
  EXPECT_FALSE(Existe(programas / "PXERR.LOG"));
  EXPECT_FALSE(Existe(dir / "PXERR.LOG"));
}

}  // namespace
