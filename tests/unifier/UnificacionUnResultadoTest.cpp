// The unattended run on a connection that holds one active result, as SQL
// Server without MARS does: the stand-in that applies that rule over the
// embedded engine, the limit forced on, and the pending results moved
// aside through small buffers into temporary files. The four files are
// those of a run without the limit on the same demo database, byte for
// byte, and no statement ever meets a busy connection.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "DemoChica.h"
#include "db/motor/AjustesResultados.h"
#include "db/motor/MotorSqlite.h"
#include "sivlib/Texto.h"
#include "support/BaseDePrueba.h"
#include "support/MotorUnaActividad.h"
#include "unifier/UnificacionDesatendida.h"

namespace {

const char* const kArchivos[] = {"610013001-VTA-16.csv", "610013001-STK-16.csv", "610013001-PDV-16.csv",
                                 "610013001-RTA-16.csv"};

class UnificacionUnResultado : public ConBaseSqlite {
 protected:
  void TearDown() override {
    FijarFabricaMotor({});
    FijarTamanosResultado({});
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    ConBaseSqlite::TearDown();
  }
  // A demo database of its own, delivering into its own folder; returns the four files.
  std::vector<std::string> Ejecutar(const std::string& nombre, const FechaHora& hoy) {
    const std::string destino = carpeta / (nombre + "/");
    std::filesystem::create_directories(destino);
    demo::ParametrosDemo p = DemoChica(destino);
    p.hoy = hoy;
    std::string error;
    EXPECT_TRUE(demo::GenerarBaseDemo(carpeta / (nombre + ".sqlite"), p, nullptr, &error)) << error;
    Abrir(carpeta / (nombre + ".sqlite"));
    EXPECT_EQ(vorna::EjecutarUnificacionDesatendida(), vorna::salida_desatendida::Exito);
    std::vector<std::string> archivos;
    for (const char* a : kArchivos) archivos.push_back(LeerArchivo(destino + a));
    return archivos;
  }
  size_t ResultadosApartados() const {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(carpeta.Ruta()))
      if (e.path().filename().string().rfind("ut_vorna_resultado_", 0) == 0) ++n;
    return n;
  }
};

TEST_F(UnificacionUnResultado, LosCuatroArchivosSonLosMismosQueSinLimite) {
  std::vector<std::string> sinLimite, conLimite;
  auto estado = std::make_shared<MotorUnaActividad::Estado>();
  // Both runs on the same day: the range is the last four days.
  for (int intento = 0; intento < 2; ++intento) {
    const FechaHora hoy = FechaHora::Ahora();
    FijarFabricaMotor({});
    unsetenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
    sinLimite = Ejecutar("sin_limite" + std::to_string(intento), hoy);

    FijarFabricaMotor([estado](const std::string& cadena) -> std::unique_ptr<Motor> {
      if (!texto::ContieneSinCaso(cadena, "sqlite")) return nullptr;
      return std::make_unique<MotorUnaActividad>(CrearMotorSqlite(), true, estado);
    });
    setenv("UT_VORNA_UN_RESULTADO_POR_CONEXION", "1", 1);
    FijarTamanosResultado({16, 2048});  // the sales lines go through a temporary file
    conLimite = Ejecutar("con_limite" + std::to_string(intento), hoy);
    FijarTamanosResultado({});
    if (FechaHora::Ahora().SoloFecha() == hoy.SoloFecha()) break;
  }
  EXPECT_EQ(estado->rechazos, 0);
  EXPECT_TRUE(op->Mensajes().empty());
  ASSERT_EQ(conLimite.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_FALSE(sinLimite[i].empty()) << kArchivos[i];
    EXPECT_TRUE(conLimite[i] == sinLimite[i]) << kArchivos[i] << " differs";
  }
  EXPECT_EQ(ResultadosApartados(), 0u);
}

}  // namespace
