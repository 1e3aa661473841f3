// The unattended run end to end on the demo database: the window loaded
// without widgets, the four files of the last four days, the exit status.
#include "unifier/UnificacionDesatendida.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "BaseErp.h"
#include "DemoChica.h"
#include "sivlib/ValoresGlobales.h"
#include "demo/GeneradorDemo.h"

namespace {

class UnificacionDesatendida : public ConBaseSqlite {
 protected:
  // A small demo database whose destination folder for this machine is `carpetaDestino`.
  void CrearDemo(const std::string& carpetaDestino) {
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(demoDb, DemoChica(carpetaDestino), nullptr, &error)) << error;
    Abrir(demoDb);
  }
  std::string demoDb = carpeta / "demo.sqlite";
};

TEST_F(UnificacionDesatendida, EntregaLosCuatroArchivosYTerminaBien) {
  const std::string destino = carpeta / "destino/";
  std::filesystem::create_directories(destino);
  CrearDemo(destino);

  EXPECT_EQ(vorna::EjecutarUnificacionDesatendida(), vorna::salida_desatendida::Exito);
  EXPECT_TRUE(gEjecucionDesatendida);
  EXPECT_EQ(Archivos(destino), (std::vector<std::string>{"610013001-PDV-16.csv", "610013001-RTA-16.csv",
                                                         "610013001-STK-16.csv", "610013001-VTA-16.csv"}));
  for (const char* codigo : {"VTA", "STK", "PDV", "RTA"}) {
    const std::string bytes = LeerArchivo(destino + "610013001-" + std::string(codigo) + "-16.csv");
    EXPECT_FALSE(bytes.empty()) << codigo;
    EXPECT_TRUE(bytes.ends_with(";16\r\n") || bytes.ends_with(";16;0\r\n")) << codigo;
  }
  EXPECT_EQ(ConsultarSqlite(demoDb, "SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='NRO_PAQUETE'"), (Filas{{"16"}}));
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(UnificacionDesatendida, UnDestinoQueNoEsCarpetaSeRechazaSinEscribirNiNumerar) {
  // A folder inside a file: nothing can be created there, not even by root.
  const std::string archivo = carpeta / "no_es_carpeta";
  EscribirArchivo(archivo, "x");
  const std::string destino = archivo + "/destino/";
  CrearDemo(destino);

  EXPECT_EQ(vorna::EjecutarUnificacionDesatendida(), vorna::salida_desatendida::FalloGeneracion);
  EXPECT_EQ(LeerArchivo(archivo), "x");
  // Nothing was written, so the package number is not used up.
  EXPECT_EQ(ConsultarSqlite(demoDb, "SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='NRO_PAQUETE'"), (Filas{{"15"}}));
  // The refusal naming the folder, then the run's summary.
  const auto mensajes = op->Mensajes();
  ASSERT_EQ(mensajes.size(), 2u);
  EXPECT_NE(mensajes[0].texto.find(destino), std::string::npos) << mensajes[0].texto;
  EXPECT_NE(mensajes.back().texto.find("No se generaron archivos"), std::string::npos) << mensajes.back().texto;
  EXPECT_EQ(mensajes.back().titulo, "Aviso al operador");
}

}  // namespace
