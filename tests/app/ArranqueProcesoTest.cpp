// The start-up sequence of the real program, started as a process: on an
// embedded database, and against a SQL Server that cannot be reached.
//
// The program is run from a copy under another name, in the test's own
// folder: its error log (beside the executable) stays there, and the
// single-instance rule, which counts processes named like the program,
// does not see it (the instance tests run their own copies meanwhile).
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "support/BaseDePrueba.h"
#include "support/CarpetaPrueba.h"
#include "services/esquema/TablasPropias.h"

namespace {

constexpr const char* kCopia = "ut_vorna_arranque";

class ArranqueProceso : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("UT_VORNA_BIN");
    programa = dir / kCopia;
    std::filesystem::copy_file(std::string(bin ? bin : "./bin") + "/ut_vorna", programa);
  }
  ~ArranqueProceso() override {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }

  // Starts the copy with the launch string; standard error goes to a file.
  void Lanzar(const std::string& lanzamiento, std::vector<std::string> entorno) {
    entorno.push_back("PATH=/usr/bin:/bin");
    entorno.push_back("TEMP=" + dir.Ruta());
    std::vector<char*> args = {programa.data(), const_cast<char*>(lanzamiento.c_str()), nullptr};
    std::vector<char*> env;
    for (auto& e : entorno) env.push_back(e.data());
    env.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    const std::string errores = dir / "stderr.txt";
    posix_spawn_file_actions_addopen(&acciones, 2, errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
    ASSERT_EQ(posix_spawn(&pid, programa.c_str(), &acciones, nullptr, args.data(), env.data()), 0);
    posix_spawn_file_actions_destroy(&acciones);
  }
  // Exit status, or -1 when the process is still running after `segundos`.
  int Esperar(double segundos) {
    const auto fin = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    int estado = 0;
    while (std::chrono::steady_clock::now() < fin) {
      if (waitpid(pid, &estado, WNOHANG) == pid) {
        pid = 0;
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
  }

  CarpetaPrueba dir;
  std::string programa;
  pid_t pid = 0;
};

TEST_F(ArranqueProceso, EmbeddedDatabaseOpensAndOneAccessRowIsWritten) {
  const std::string base = dir / "erp.sqlite";
  std::string error;
  ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  Lanzar("@server=sqlite; @dbname=" + base + "; @usuario=ana; @ParametroAdicional=1;", {});
  const int estado = Esperar(60);
  EXPECT_NE(estado, -1) << "the unattended run ends by itself";
  EXPECT_NE(estado, 4) << LeerArchivo(dir / "stderr.txt");
  EXPECT_EQ(ConsultarSqlite(base, "SELECT Usuario, Formulario, NombreUsuario FROM Control_Acceso"),
            (Filas{{"ANA", "UT_VORNA_ARRANQUE", "ana"}}));
}

TEST_F(ArranqueProceso, UnreachableServerEndsTheUnattendedRunWithStatusFour) {
  Lanzar("@server=127.0.0.1,1; @dbname=x; @usuario=u; @ParametroAdicional=1;", {});
  EXPECT_EQ(Esperar(60), 4);
  const std::string errores = LeerArchivo(dir / "stderr.txt");
  EXPECT_NE(errores.find("No se pudo abrir la conexion con la base de datos"), std::string::npos) << errores;
  const std::string log = LeerArchivo(dir / "PXERR.LOG");
  EXPECT_NE(log.find("No se pudo abrir la conexion con la base de datos"), std::string::npos) << log;
  EXPECT_NE(log.find("Error de Conexion"), std::string::npos) << "the connection error was logged too: " << log;
}

TEST_F(ArranqueProceso, UnreachableServerAsksTheOperatorInTheInteractiveRun) {
  Lanzar("@server=127.0.0.1,1; @dbname=x; @usuario=u;",
         {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + dir.Ruta()});
  EXPECT_EQ(Esperar(5), -1) << "the connection dialog waits for the operator: " << LeerArchivo(dir / "stderr.txt");
  EXPECT_FALSE(Existe(dir / "PXERR.LOG"));
}

}  // namespace
