// The single-instance rule, checked with real processes. The processes
// counted are copies of `sleep` under the build folder; the counting tests
// use names of their own, since other copies of the program may run on the
// machine.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/InstanciaActiva.h"
#include "support/CarpetaPrueba.h"
#include "support/ProcesoPrueba.h"

namespace {

// A copy of `sleep` under the given name: a process whose executable is that name.
class ProcesoConNombre {
 public:
  ProcesoConNombre(const CarpetaPrueba& carpeta, const std::string& nombre) {
    const std::string ruta = carpeta / nombre;
    std::filesystem::copy_file("/bin/sleep", ruta, std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(proceso_.Lanzar({ruta, "120"}, {})) << ruta;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }

 private:
  ProcesoPrueba proceso_;
};

// Runs the program to its end; its exit status, and the seconds it took.
int Ejecutar(const std::vector<std::string>& argumentos, const std::vector<std::string>& entorno, double& segundos) {
  const auto inicio = std::chrono::steady_clock::now();
  ProcesoPrueba proceso;
  if (!proceso.Lanzar(argumentos, entorno)) return -1;
  const int estado = proceso.Esperar(120);
  segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  return estado;
}

TEST(InstanciaActiva, CuentaProcesosPorNombreSinCaso) {
  CarpetaProgramas dir;
  EXPECT_EQ(ContarProcesos("ut_vorna_no_corre"), 0);
  ProcesoConNombre uno(dir, "ut_vorna_cuenta");
  EXPECT_EQ(ContarProcesos("UT_VORNA_CUENTA"), 1);
  std::string nombre = "UT_VORNA_CUENTA.EXE";
  EXPECT_FALSE(InstanciaActiva(nombre)) << "a single copy is the running process itself";
  EXPECT_EQ(nombre, "UT_VORNA_CUENTA");
  ProcesoConNombre dos(dir, "UT_VORNA_CUENTA");
  nombre = "UT_VORNA_CUENTA.EXE";
  EXPECT_TRUE(InstanciaActiva(nombre)) << "found under the name without the extension";
}

// The program asks under its own fixed name: a process named "ut_vorna"
// runs, so whatever else runs on the machine, this start is a second copy.
TEST(InstanciaActiva, SegundaCopiaDelProgramaSeNiegaSinTocarLaBase) {
  CarpetaPrueba datos;
  CarpetaProgramas dir;
  ProcesoConNombre primera(dir, "ut_vorna");
  const std::string base = datos / "no_debe_abrirse.sqlite";
  double segundos = 0;
  // Unattended: the refusal goes to standard error at once.
  const int estado = Ejecutar({ProgramaCompilado(), "@Server=sqlite; @DbName=" + base + "; @ParametroAdicional=1;"},
                              {"PATH=/usr/bin:/bin", "TEMP=" + datos.Ruta()}, segundos);
  EXPECT_EQ(estado, 3);
  EXPECT_LT(segundos, 60) << "no wait in an unattended refusal";
  EXPECT_FALSE(Existe(base));
}

TEST(InstanciaActiva, CajaDeAvisoSeCierraSolaALosDiezSegundos) {
  CarpetaPrueba datos;
  CarpetaProgramas dir;
  ProcesoConNombre primera(dir, "ut_vorna");
  double segundos = 0;
  const int estado =
      Ejecutar({ProgramaCompilado(), "@Server=sqlite; @DbName=" + (datos / "x.sqlite") + ";"},
               {"PATH=/usr/bin:/bin", "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + datos.Ruta()}, segundos);
  EXPECT_EQ(estado, 3);
  EXPECT_GE(segundos, 9.5) << "the box waits its ten seconds";
  EXPECT_LT(segundos, 120) << "and closes by itself";
}

}  // namespace
