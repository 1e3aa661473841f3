// The real program started interactively with a display (offscreen): it
// opens the embedded database, loads its main window and stays up until it
// is stopped.
//
// The program runs from a copy under another name in the test's folder, so
// that the single-instance rule, which counts processes named like the
// program, does not meet the copies that other tests start meanwhile.
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

#include "support/BaseDePrueba.h"

namespace {

class ProcesoInteractivo : public ConBaseSqlite {
 protected:
  ~ProcesoInteractivo() override {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }

  void Lanzar(const std::string& lanzamiento) {
    const char* bin = std::getenv("UT_VORNA_BIN");
    const std::filesystem::path original = std::filesystem::path(bin ? bin : "bin") / "ut_vorna";
    ASSERT_TRUE(std::filesystem::exists(original)) << original << " is built with the program (target ut_vorna)";
    programa = carpeta / "ut_vorna_ventana";
    std::filesystem::copy_file(original, programa);
    std::vector<std::string> entorno = {"PATH=/usr/bin:/bin", "TEMP=" + carpeta.Ruta(), "QT_QPA_PLATFORM=offscreen",
                                        "XDG_RUNTIME_DIR=" + carpeta.Ruta() + "xdg"};
    std::filesystem::create_directory(carpeta / "xdg");
    std::filesystem::permissions(carpeta / "xdg", std::filesystem::perms::owner_all);
    std::vector<char*> env;
    for (auto& e : entorno) env.push_back(e.data());
    env.push_back(nullptr);
    std::vector<char*> args = {programa.data(), const_cast<char*>(lanzamiento.c_str()), nullptr};
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    const std::string errores = carpeta / "stderr.txt";
    posix_spawn_file_actions_addopen(&acciones, 2, errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
    ASSERT_EQ(posix_spawn(&pid, programa.c_str(), &acciones, nullptr, args.data(), env.data()), 0);
    posix_spawn_file_actions_destroy(&acciones);
  }

  bool SigueCorriendo() { return pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0; }

  // Waits until `condicion` holds while the program runs; false when it
  // ended or `segundos` passed first.
  template <class F>
  bool EsperarMientrasCorre(double segundos, F condicion) {
    const auto fin = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    while (std::chrono::steady_clock::now() < fin) {
      if (!SigueCorriendo()) return false;
      if (condicion()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  std::string programa;
  pid_t pid = 0;
};

TEST_F(ProcesoInteractivo, MuestraLaVentanaPrincipalYSigueAbiertoHastaQueLoDetienen) {
  CerrarBases();  // the program is the one that works on the database now
  Lanzar("@Server=sqlite; @DbName=" + base + "; @Usuario=ana; @Password=;");
  // The main window's load step prepares its status bar, which registers
  // this workstation's cash box: the window has loaded.
  const bool cargada = EsperarMientrasCorre(30, [&] {
    return ConsultarSqlite(base, "SELECT Descripcion FROM V_TA_Cajas WHERE IdCajas='   1'") == Filas{{"CAJA 1"}};
  });
  ASSERT_TRUE(cargada) << "running: " << SigueCorriendo() << "\n" << LeerArchivo(carpeta / "stderr.txt");
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_TRUE(SigueCorriendo()) << "the window keeps the program up";
  EXPECT_EQ(ConsultarSqlite(base, "SELECT COUNT(*) FROM Control_Acceso"), (Filas{{"1"}}));

  ASSERT_EQ(kill(pid, SIGTERM), 0);
  int estado = 0;
  ASSERT_EQ(waitpid(pid, &estado, 0), pid);
  pid = 0;
  EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGTERM);
}

}  // namespace
