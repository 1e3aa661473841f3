// The single-instance rule, checked with real processes.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "app/InstanciaActiva.h"
#include "support/CarpetaPrueba.h"

extern char** environ;

namespace {

// A copy of `sleep` named like the program: a process whose executable is "ut_vorna".
class ProcesoConNombre {
 public:
  ProcesoConNombre(const std::string& ruta) {
    std::filesystem::copy_file("/bin/sleep", ruta, std::filesystem::copy_options::overwrite_existing);
    std::vector<char*> args = {const_cast<char*>(ruta.c_str()), const_cast<char*>("30"), nullptr};
    posix_spawn(&pid_, ruta.c_str(), nullptr, nullptr, args.data(), environ);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  ~ProcesoConNombre() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }

 private:
  pid_t pid_ = 0;
};

int Ejecutar(const std::vector<std::string>& argumentos, const std::vector<std::string>& entorno, double& segundos) {
  std::vector<char*> args, env;
  for (auto& a : argumentos) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (auto& e : entorno) env.push_back(const_cast<char*>(e.c_str()));
  env.push_back(nullptr);
  const auto inicio = std::chrono::steady_clock::now();
  pid_t pid;
  if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), env.data()) != 0) return -1;
  int estado = 0;
  waitpid(pid, &estado, 0);
  segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

std::string Programa() {
  const char* bin = std::getenv("UT_VORNA_BIN");
  return std::string(bin ? bin : "./bin") + "/ut_vorna";
}

TEST(InstanciaActiva, CuentaProcesosPorNombreSinCaso) {
  CarpetaPrueba dir;
  EXPECT_EQ(ContarProcesos("ut_vorna_no_corre"), 0);
  ProcesoConNombre uno(dir / "ut_vorna");
  EXPECT_EQ(ContarProcesos("UT_VORNA"), 1);
  std::string nombre = "UT_VORNA.EXE";
  EXPECT_FALSE(InstanciaActiva(nombre)) << "a single copy is the running process itself";
  EXPECT_EQ(nombre, "UT_VORNA");
  ProcesoConNombre dos(dir / "UT_VORNA");
  nombre = "UT_VORNA.EXE";
  EXPECT_TRUE(InstanciaActiva(nombre)) << "found under the name without the extension";
}

TEST(InstanciaActiva, SegundaCopiaDelProgramaSeNiegaSinTocarLaBase) {
  CarpetaPrueba dir;
  ProcesoConNombre primera(dir / "ut_vorna");
  const std::string base = dir / "no_debe_abrirse.sqlite";
  double segundos = 0;
  // Unattended: the refusal goes to standard error at once.
  const int estado = Ejecutar({Programa(), "@Server=sqlite; @DbName=" + base + "; @ParametroAdicional=1;"},
                              {"PATH=/usr/bin:/bin", "TEMP=" + dir.Ruta()}, segundos);
  EXPECT_EQ(estado, 3);
  EXPECT_LT(segundos, 5);
  EXPECT_FALSE(Existe(base));
}

TEST(InstanciaActiva, CajaDeAvisoSeCierraSolaALosDiezSegundos) {
  CarpetaPrueba dir;
  ProcesoConNombre primera(dir / "ut_vorna");
  double segundos = 0;
  const int estado = Ejecutar({Programa(), "@Server=sqlite; @DbName=" + (dir / "x.sqlite") + ";"},
                              {"PATH=/usr/bin:/bin", "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + dir.Ruta()},
                              segundos);
  EXPECT_EQ(estado, 3);
  EXPECT_GE(segundos, 9.5);
  EXPECT_LT(segundos, 20);
}

}  // namespace
