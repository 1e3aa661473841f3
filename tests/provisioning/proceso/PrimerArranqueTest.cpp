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
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "demo/GeneradorDemo.h"
#include "support/BaseDePrueba.h"
#include "support/CarpetaPrueba.h"
#include "sivlib/FechaHora.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopia = "ut_vorna_provision";

// A folder of its own under the build folder, removed at the end.
class CarpetaDePrograma {
 public:
  CarpetaDePrograma() {
    fs::create_directories(CARPETA_PROGRAMAS);
    std::string plantilla = std::string(CARPETA_PROGRAMAS) + "/copia_XXXXXX";
    const char* r = mkdtemp(plantilla.data());
    ruta_ = std::string(r ? r : plantilla.c_str()) + "/";
  }
  ~CarpetaDePrograma() {
    std::error_code ec;
    fs::remove_all(ruta_, ec);
  }
  std::string operator/(const std::string& nombre) const { return ruta_ + nombre; }

 private:
  std::string ruta_;
};

class PrimerArranque : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("UT_VORNA_BIN");
    const fs::path entregado = bin ? bin : "bin";
    fs::copy_file(entregado / "ut_vorna", programa);
    fs::copy_file(entregado / "completopxe.sql", programas / "completopxe.sql");
    fs::create_directories(destino);
    demo::ParametrosDemo p;
    p.lineas = 400;
    p.clientes = 30;
    p.articulos = 12;
    p.vendedores = 3;
    p.dias = 10;
    p.destino = destino;
    p.paquete = 15;
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(base, p, nullptr, &error)) << error;
  }
  ~PrimerArranque() override {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  // Runs the copy unattended; its exit status, -1 when it does not end
  // within a generous bound.
  int Arrancar() {
    const std::string lanzamiento = "@Server=sqlite; @DbName=" + base + "; @Usuario=ana; @ParametroAdicional=1;";
    std::vector<std::string> entorno = {"PATH=/usr/bin:/bin", "TEMP=" + dir.Ruta(), "HOME=" + dir.Ruta()};
    std::vector<char*> args = {programa.data(), const_cast<char*>(lanzamiento.c_str()), nullptr};
    std::vector<char*> env;
    for (auto& e : entorno) env.push_back(e.data());
    env.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    const std::string errores = dir / "stderr.txt";
    posix_spawn_file_actions_addopen(&acciones, 2, errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
    const int rc = posix_spawn(&pid_, programa.c_str(), &acciones, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&acciones);
    if (rc != 0) {
      pid_ = 0;
      return -1;
    }
    const auto fin = std::chrono::steady_clock::now() + std::chrono::minutes(5);
    while (std::chrono::steady_clock::now() < fin) {
      int estado = 0;
      if (waitpid(pid_, &estado, WNOHANG) == pid_) {
        pid_ = 0;
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
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
  CarpetaDePrograma programas;
  std::string programa = programas / kCopia;
  std::string base = dir / "erp.sqlite";
  std::string px = dir / "PX_ESTADISTICAS.sqlite";
  std::string destino = dir / "destino/";
  pid_t pid_ = 0;
};

TEST_F(PrimerArranque, CreaLaBaseDeEstadisticasYElSegundoNoCambiaNada) {
  const std::string dia = FechaHora::Ahora().SoloFecha();
  ASSERT_EQ(Arrancar(), 0) << LeerArchivo(dir / "stderr.txt");
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
