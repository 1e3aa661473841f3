// The start-up of the real program writes the default lookup definitions
// beside itself when there are none, and leaves an existing file alone.
// The program runs from a copy under the build folder (a temporary folder
// may forbid running programs), under its own name, so that the
// single-instance rule does not count it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "lookup/MascarasConsultas.h"
#include "services/esquema/TablasPropias.h"
#include "support/BaseDePrueba.h"
#include "support/CarpetaPrueba.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"

namespace fs = std::filesystem;

namespace {

class ArranqueMascaras : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path raiz = fs::path(CarpetaEjecutable()) / "arranque_mascaras";
    fs::create_directories(raiz);
    std::string plantilla = (raiz / "XXXXXX").string();
    ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
    app = plantilla + "/";
    const char* bin = std::getenv("UT_VORNA_BIN");
    programa = app + "ut_vorna_mascaras";
    fs::copy_file(std::string(bin ? bin : "./bin") + "/ut_vorna", programa);
    std::string error;
    ASSERT_TRUE(CrearTablasPropias(base, &error)) << error;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(app, ec);
  }
  // Runs the unattended program on the database; its exit status.
  int Ejecutar() {
    const std::string lanzamiento = "@server=sqlite; @dbname=" + base + "; @usuario=ana; @ParametroAdicional=1;";
    std::vector<std::string> entorno = {"PATH=/usr/bin:/bin", "TEMP=" + datos.Ruta()};
    std::vector<char*> args = {programa.data(), const_cast<char*>(lanzamiento.c_str()), nullptr};
    std::vector<char*> env;
    for (auto& e : entorno) env.push_back(e.data());
    env.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    const std::string errores = datos / "stderr.txt";
    posix_spawn_file_actions_addopen(&acciones, 2, errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int r = posix_spawn(&pid, programa.c_str(), &acciones, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&acciones);
    if (r != 0) return -1;
    // Generous: only to prove that the run ends.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    int estado = 0;
    while (std::chrono::steady_clock::now() < limite) {
      if (waitpid(pid, &estado, WNOHANG) == pid) return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
  }

  CarpetaPrueba datos;
  std::string base = datos / "erp.sqlite";
  std::string app, programa;
};

TEST_F(ArranqueMascaras, SinArchivoQuedanLasOnceDefinicionesYUnoExistenteNoSeToca) {
  EXPECT_NE(Ejecutar(), -1) << LeerArchivo(datos / "stderr.txt");
  std::string esperado;
  for (const MascaraConsulta& m : mascaras::Predeterminadas()) esperado += mascaras::Registro(m);
  const std::string escrito = LeerArchivo(app + "consultas.prx");
  EXPECT_EQ(escrito.size(), 11u * 1202u);
  EXPECT_EQ(escrito, esperado);

  const std::string propio = mascaras::Registro({"MIA", "T_MIA", "|A|B|", ""});
  EscribirArchivo(app + "consultas.prx", propio);
  EXPECT_NE(Ejecutar(), -1) << LeerArchivo(datos / "stderr.txt");
  EXPECT_EQ(LeerArchivo(app + "consultas.prx"), propio);
}

}  // namespace
