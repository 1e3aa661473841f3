// The real program started interactively with a display (offscreen): it
// opens the embedded database, loads its main window and stays up until it
// is stopped.
//
// The program runs from a copy under another name under the build folder,
// so that the single-instance rule, which counts processes named like the
// program, does not meet the copies that other tests start meanwhile.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/BaseDePrueba.h"
#include "support/ProcesoPrueba.h"

namespace {

class ProcesoInteractivo : public ConBaseSqlite {
 protected:
  void Lanzar(const std::string& lanzamiento) {
    const std::string programa = CopiarPrograma(programas.Ruta(), "ut_vorna_ventana");
    std::filesystem::create_directory(carpeta / "xdg");
    std::filesystem::permissions(carpeta / "xdg", std::filesystem::perms::owner_all);
    ASSERT_TRUE(proceso.Lanzar({programa, lanzamiento},
                               {"PATH=/usr/bin:/bin", "TEMP=" + carpeta.Ruta(), "QT_QPA_PLATFORM=offscreen",
                                "XDG_RUNTIME_DIR=" + carpeta.Ruta() + "xdg"},
                               carpeta / "stderr.txt"))
        << programa;
  }

  // Waits until `condicion` holds while the program runs; false when it
  // ended or `segundos` passed first.
  template <class F>
  bool EsperarMientrasCorre(double segundos, F condicion) {
    const auto fin = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    while (std::chrono::steady_clock::now() < fin) {
      if (!proceso.SigueCorriendo()) return false;
      if (condicion()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  CarpetaProgramas programas;
  ProcesoPrueba proceso;
};

TEST_F(ProcesoInteractivo, MuestraLaVentanaPrincipalYSigueAbiertoHastaQueLoDetienen) {
  CerrarBases();  // the program is the one that works on the database now
  Lanzar("@Server=sqlite; @DbName=" + base + "; @Usuario=ana; @Password=;");
  // The main window's load step prepares its status bar, which registers
  // this workstation's cash box: the window has loaded.
  const bool cargada = EsperarMientrasCorre(30, [&] {
    return ConsultarSqlite(base, "SELECT Descripcion FROM V_TA_Cajas WHERE IdCajas='   1'") == Filas{{"CAJA 1"}};
  });
  if (!cargada) SALVO_OTRAS_COPIAS(proceso.Esperar(0));
  ASSERT_TRUE(cargada) << "running: " << proceso.SigueCorriendo() << "\n" << LeerArchivo(carpeta / "stderr.txt");
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_TRUE(proceso.SigueCorriendo()) << "the window keeps the program up";
  EXPECT_EQ(ConsultarSqlite(base, "SELECT COUNT(*) FROM Control_Acceso"), (Filas{{"1"}}));

  ASSERT_TRUE(proceso.Senal(SIGTERM));
  EXPECT_EQ(proceso.Esperar(60), 128 + SIGTERM) << "ended by the signal";
}

}  // namespace
