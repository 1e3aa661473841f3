// The program itself, started as the daily task starts it, on a fresh
// embedded demo database: its first start creates the statistics database
// beside the ERP database with the delivered schema; the second creates
// and changes nothing. The exports of both are delivered.
//
// The program runs from a copy, with the schema script the build delivers
// beside it, in a folder under the build folder (a temporary folder may
// forbid running programs), under a name of its own (the single-instance
// rule counts processes named like the program).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "demo/GeneradorDemo.h"
#include "support/BaseDePrueba.h"
#include "support/CarpetaPrueba.h"
#include "support/ProcesoPrueba.h"
#include "sivlib/FechaHora.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopia = "ut_vorna_provision";

class PrimerArranque : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(destino);
    demo::ParametrosDemo p = demo::ParametrosDeTamano(400, 30, 12, 3, 10);
    p.destino = destino;
    p.paquete = 15;
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(base, p, nullptr, &error)) << error;
  }

  // Runs the copy unattended; its exit status, -1 when it does not end
  // within a generous bound.
  int Arrancar() {
    const std::string lanzamiento = "@Server=sqlite; @DbName=" + base + "; @Usuario=ana; @ParametroAdicional=1;";
    ProcesoPrueba proceso;
    if (!proceso.Lanzar({programa, lanzamiento}, {"PATH=/usr/bin:/bin", "TEMP=" + dir.Ruta(), "HOME=" + dir.Ruta()},
                        dir / "stderr.txt"))
      return -1;
    return proceso.Esperar(300);
  }

  // Name and bytes of every file of a folder.
  static std::vector<std::pair<std::string, std::string>> Contenido(const std::string& carpeta) {
    std::vector<std::pair<std::string, std::string>> r;
    for (const auto& e : fs::directory_iterator(carpeta))
      if (e.is_regular_file()) r.emplace_back(e.path().filename().string(), LeerArchivo(e.path().string()));
    std::sort(r.begin(), r.end());
    return r;
  }
  static size_t Lineas(const std::string& bytes) { return std::count(bytes.begin(), bytes.end(), '\n'); }

  CarpetaPrueba dir;
  CarpetaProgramas programas;
  std::string programa = CopiarPrograma(programas.Ruta(), kCopia);
  std::string base = dir / "erp.sqlite";
  std::string px = dir / "PX_ESTADISTICAS.sqlite";
  std::string destino = dir / "destino/";
};

TEST_F(PrimerArranque, CreaLaBaseDeEstadisticasYElSegundoNoCambiaNada) {
  const std::string dia = FechaHora::Ahora().SoloFecha();
  const int estado = Arrancar();
  SALVO_OTRAS_COPIAS(estado);
  ASSERT_EQ(estado, 0) << LeerArchivo(dir / "stderr.txt");
  EXPECT_EQ(LeerArchivo(dir / "stderr.txt"), "") << "nothing to tell the operator";
  ASSERT_TRUE(Existe(px));
  EXPECT_EQ(ConsultarSqlite(px, "SELECT name FROM sqlite_master"),
            (Filas{{"TA_CONFIGURACION"}, {"sqlite_autoindex_TA_CONFIGURACION_1"}}));
  EXPECT_EQ(ConsultarSqlite(px, "SELECT CLAVE, VALOR FROM TA_CONFIGURACION"), (Filas{{"TIMEOUT", "360"}}));
  struct stat st {};
  ASSERT_EQ(stat((dir / "CDB7.SQL").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  const auto exportados = Contenido(destino);
  ASSERT_EQ(exportados.size(), 4u);
  for (const auto& [nombre, bytes] : exportados) {
    EXPECT_TRUE(nombre.ends_with("-16.csv")) << nombre;
    EXPECT_GT(Lineas(bytes), 0u) << nombre;
  }
  EXPECT_EQ(ConsultarSqlite(base, "SELECT COUNT(*) FROM Control_Acceso"), (Filas{{"1"}}))
      << "the access row went to the ERP database: the main connection came back to it";

  const std::string estadisticas = LeerArchivo(px);
  const auto temporales = Contenido(dir.Ruta());
  ASSERT_EQ(Arrancar(), 0) << LeerArchivo(dir / "stderr.txt");
  EXPECT_EQ(LeerArchivo(dir / "stderr.txt"), "");
  EXPECT_EQ(LeerArchivo(px), estadisticas) << "the second start changes nothing there";
  const auto segundos = Contenido(destino);
  ASSERT_EQ(segundos.size(), 8u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(segundos[2 * i], exportados[i]) << "the first package stays as delivered";
    EXPECT_TRUE(segundos[2 * i + 1].first.ends_with("-17.csv")) << segundos[2 * i + 1].first;
    // The sales file holds the days up to today: after midnight the second run reads another range.
    if (FechaHora::Ahora().SoloFecha() == dia) {
      EXPECT_EQ(Lineas(segundos[2 * i + 1].second), Lineas(exportados[i].second)) << segundos[2 * i + 1].first;
    }
  }
  for (const auto& [nombre, bytes] : temporales) {
    if (nombre.starts_with("Script") || nombre == "CDB7.SQL") {
      EXPECT_EQ(LeerArchivo(dir / nombre), bytes) << nombre << ": no script ran the second time";
    }
  }
  EXPECT_FALSE(Existe(programas / "PXERR.LOG")) << LeerArchivo(programas / "PXERR.LOG");
}

}  // namespace
