// The daily unattended run as cron starts it: the real program, as a
// process, on an embedded demo database that breaks the way real life
// does. What the administrator sees is the exit status, standard error and
// the error log beside the program.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "../BaseErp.h"
#include "../DemoChica.h"
#include "sivlib/Entorno.h"
#include "sivlib/Texto.h"
#include "support/BaseDePrueba.h"
#include "support/CarpetaPrueba.h"
#include "support/ProcesoPrueba.h"

namespace {

class DesatendidoProceso : public ::testing::Test {
 protected:
  // A small demo database at `ruta` delivering into `destino`.
  void CrearDemo(const std::string& ruta) {
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(ruta, DemoChica(destino), nullptr, &error)) << error;
  }
  // Runs the copy unattended on `base`; its exit status (-1 when it hangs).
  int Ejecutar(const std::string& base) {
    const std::vector<std::string> entorno = {"PATH=/usr/bin:/bin", "TEMP=" + dir.Ruta(), "HOME=" + dir.Ruta()};
    const std::string lanzamiento = "@Server=sqlite; @DbName=" + base + "; @Usuario=ana; @ParametroAdicional=1;";
    EXPECT_TRUE(proceso.Lanzar({programa, lanzamiento}, entorno, dir / "stderr.txt")) << programa;
    return proceso.Esperar(300);
  }
  std::string Errores() { return LeerArchivo(dir / "stderr.txt"); }
  std::string Registro() { return Existe(programas / "PXERR.LOG") ? LeerArchivo(programas / "PXERR.LOG") : ""; }
  static std::string Paquete(const std::string& base) {
    const Filas f = ConsultarSqlite(base, "SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='NRO_PAQUETE'");
    return f.empty() ? "" : f[0][0];
  }

  CarpetaPrueba dir;
  CarpetaProgramas programas;
  std::string programa = CopiarPrograma(programas.Ruta(), "ut_vorna_desatendido");
  std::string destino = dir / "destino/";
  std::string base = dir / "erp.sqlite";
  ProcesoPrueba proceso;
};

const std::vector<std::string> kPaquete16 = {"610013001-PDV-16.csv", "610013001-RTA-16.csv", "610013001-STK-16.csv",
                                             "610013001-VTA-16.csv"};

TEST_F(DesatendidoProceso, UnaBaseEnUnaCarpetaLlamadaOracleSigueSiendoSqlServer) {
  std::filesystem::create_directories(dir / "home/oracle");
  std::filesystem::create_directories(destino);
  const std::string enOracle = dir / "home/oracle/ORACLE_HIST.sqlite";
  CrearDemo(enOracle);
  const int estado = Ejecutar(enOracle);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 0) << Errores();
  EXPECT_EQ(Archivos(destino), kPaquete16);
  EXPECT_EQ(Paquete(enOracle), "16");
}

TEST_F(DesatendidoProceso, UnaBaseBloqueadaUnosSegundosAlArrancarSeEspera) {
  std::filesystem::create_directories(destino);
  CrearDemo(base);
  sqlite3* otro = nullptr;
  ASSERT_EQ(sqlite3_open(base.c_str(), &otro), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(otro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  std::thread suelta([&] {
    std::this_thread::sleep_for(std::chrono::seconds(2));
    sqlite3_exec(otro, "COMMIT", nullptr, nullptr, nullptr);
  });
  const int estado = Ejecutar(base);
  suelta.join();
  sqlite3_close(otro);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 0) << Errores();
  EXPECT_EQ(Archivos(destino), kPaquete16);
}

TEST_F(DesatendidoProceso, UnArchivoQueNoEsUnaBaseDiceElMotivoDelMotor) {
  EscribirArchivo(base, std::string(2000, 'x'));
  const int estado = Ejecutar(base);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 4);
  EXPECT_NE(Errores().find("file is not a database"), std::string::npos) << Errores();
  EXPECT_NE(Registro().find("file is not a database"), std::string::npos) << Registro();
}

TEST_F(DesatendidoProceso, UnPaqueteQueNoSeGuardaTerminaConFallaYLoDice) {
  std::filesystem::create_directories(destino);
  CrearDemo(base);
  EjecutarSqlite(base,
                 "CREATE TRIGGER SIN_PERMISO BEFORE UPDATE ON TA_CONFIGURACION WHEN OLD.CLAVE = 'NRO_PAQUETE' "
                 "BEGIN SELECT RAISE(ABORT, 'The UPDATE permission was denied'); END");
  const int estado = Ejecutar(base);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 5);
  EXPECT_EQ(Archivos(destino), kPaquete16);
  EXPECT_EQ(Paquete(base), "15");
  EXPECT_NE(Errores().find("No se pudo guardar el numero de paquete 16 en NRO_PAQUETE"), std::string::npos)
      << Errores();
  EXPECT_NE(Registro().find("No se pudo guardar el numero de paquete 16"), std::string::npos) << Registro();
}

TEST_F(DesatendidoProceso, UnaCarpetaDestinoQueNoExisteSeRechazaSinUsarElPaquete) {
  CrearDemo(base);
  const std::string clave = "UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo());
  EjecutarSqlite(base, "UPDATE TA_CONFIGURACION SET VALOR = 'C:\\' WHERE CLAVE = '" + clave + "'");
  int estado = Ejecutar(base);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 5);
  EXPECT_NE(Errores().find("La carpeta destino \"C:\\\" no existe."), std::string::npos) << Errores();
  EXPECT_EQ(Paquete(base), "15");
  for (const std::string& n : Archivos(std::filesystem::current_path().string()))
    EXPECT_FALSE(n.starts_with("C:")) << "a file named like the design text in the working folder: " << n;

  EjecutarSqlite(base, "DELETE FROM TA_CONFIGURACION WHERE CLAVE = '" + clave + "'");
  estado = Ejecutar(base);
  SALVO_OTRAS_COPIAS(estado);
  EXPECT_EQ(estado, 5);
  EXPECT_NE(Errores().find("la clave " + clave), std::string::npos) << Errores();
  EXPECT_EQ(Paquete(base), "15");
}

}  // namespace
