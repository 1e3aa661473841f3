// The registered entry run as cron runs it, with the real program copied
// by the task window: the four files of the package arrive in the
// destination folder and the package counter advances.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TareaDePrueba.h"
#include "db/DB_Dll.h"
#include "demo/GeneradorDemo.h"
#include "unifier/DemoChica.h"
#include "sivlib/CarpetasPrograma.h"
#include "sivlib/ValoresGlobales.h"
#include "support/BaseDePrueba.h"
#include "support/ProcesoPrueba.h"
#include "unifier/tarea/ComandoTarea.h"
#include "unifier/tarea/FrmTareaProgramadaModelo.h"

namespace {

class TareaConPrograma : public TareaDePrueba {
 protected:
  // A small demo ERP database (package counter at 15) whose destination
  // folder for this machine is `carpetaDestino`, opened as `nombreBase`.
  void PrepararBase(const std::string& carpetaDestino, const std::string& nombreBase) {
    std::filesystem::create_directories(carpetaDestino);
    const demo::ParametrosDemo p = DemoChica(carpetaDestino);
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(demoDb, p, nullptr, &error)) << error;
    DB_Dll& db = DB();
    db.gCnn->Close();
    db.gDBName = nombreBase;
    db.OpenServerADODB(false, 3, "", false, false);
    ASSERT_TRUE(db.gOpenFlag);
    // The task copies the program built beside the tests.
    gCarpetaAplicacion = std::filesystem::path(ProgramaCompilado()).parent_path().string() + "/";
  }

  // "Aceptar" with the loaded values.
  void Registrar() {
    FrmTareaProgramadaModelo f;
    f.Form_Load();
    ASSERT_TRUE(f.CmdAceptar_Click()) << UltimoMensaje();
    parametros = f.Caja(1).texto;
  }

  // The registered entry as cron runs it.
  void ReplicarEntrada() {
    DB().gCnn->Close();  // the program works on the database now
    const int estado = TareaDePrueba::Replicar(Entrada());
    SALVO_OTRAS_COPIAS(estado) << ": " << Salida();
    ASSERT_EQ(estado, 0) << Entrada() << "\n" << Salida();
  }

  void ExpectLlegaronLosArchivos(const std::string& carpetaDestino) {
    if (IsSkipped()) return;  // the run was refused: nothing could arrive
    for (const char* codigo : {"VTA", "STK", "PDV", "RTA"}) {
      const std::string archivo = carpetaDestino + "/610013001-" + codigo + "-16.csv";
      EXPECT_TRUE(Existe(archivo)) << archivo << "\n" << Salida();
    }
    EXPECT_EQ(ConsultarSqlite(demoDb, "SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='NRO_PAQUETE'"), (Filas{{"16"}}));
  }

  std::string demoDb = carpeta / "demo.sqlite";
  std::string parametros;
};

// The program installed by the package: the task runs the installed
// executable itself with the application folder of the user who
// registered it, so an upgrade is what the next daily run starts.
class TareaInstalada : public TareaConPrograma {
 protected:
  void SetUp() override {
    TareaConPrograma::SetUp();
    instalado = InstalarPrograma(prefijo, "ut_vorna_instalado");
  }
  void TearDown() override {
    FijarInstalacion(std::nullopt);
    TareaConPrograma::TearDown();
  }
  // The window runs as the installed program: after the start-up's folders.
  void ComoInstalado() {
    FijarInstalacion(InstalacionDe(instalado));
    gCarpetaAplicacion = aplicacion;
  }
  // Every file under the installation prefix.
  std::vector<std::string> ArchivosInstalados() const {
    std::vector<std::string> archivos;
    for (const auto& e : std::filesystem::recursive_directory_iterator(prefijo))
      if (!e.is_directory()) archivos.push_back(e.path().string());
    std::sort(archivos.begin(), archivos.end());
    return archivos;
  }

  std::string prefijo = ejecutables / "usr/";
  std::string instalado;
  std::string aplicacion = carpeta / "datos de ana/ut_vorna/";
};

TEST_F(TareaInstalada, LaTareaEjecutaElProgramaInstaladoConLaCarpetaDelUsuario) {
  PrepararBase(destino, demoDb);
  ComoInstalado();
  const std::vector<std::string> antes = ArchivosInstalados();
  Registrar();
  EXPECT_NE(Entrada().find("UT_VORNA_CARPETA='" + aplicacion + "' '" + instalado + "' "), std::string::npos)
      << Entrada();
  EXPECT_FALSE(Existe(destino + "/" + tarea::NombreArchivoPrograma())) << "an installed program is not copied";
  ReplicarEntrada();
  ExpectLlegaronLosArchivos(destino);
  if (IsSkipped()) return;
  EXPECT_TRUE(Existe(aplicacion + "consultas.prx"));
  EXPECT_FALSE(Existe(casa + ".local/share/ut_vorna")) << "cron's own default folder is not the operator's";
  // The first start created the statistics database from the installed schema script.
  EXPECT_EQ(
      ConsultarSqlite(carpeta / "PX_ESTADISTICAS.sqlite", "SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='TIMEOUT'"),
      (Filas{{"360"}}));
  EXPECT_EQ(ArchivosInstalados(), antes) << "nothing is written into the installation";
}

TEST_F(TareaInstalada, UnaActualizacionDelPaqueteEsLoQueCorreLaSiguienteVez) {
  ComoInstalado();
  Registrar();
  // The package manager puts the new version in place of the old file.
  const std::string nueva = instalado + ".dpkg-new";
  EscribirArchivo(nueva, "#!/bin/sh\nprintf '%s' \"$1\" > '" + argumentoRecibido + "'\n");
  chmod(nueva.c_str(), 0755);
  std::filesystem::rename(nueva, instalado);
  ASSERT_EQ(TareaDePrueba::Replicar(Entrada()), 0) << Salida();
  EXPECT_EQ(LeerArchivo(argumentoRecibido), parametros);
}

TEST_F(TareaConPrograma, CarpetaConAcentosRecibeLosArchivos) {
  // The command file is a shell script in the file system's encoding: the
  // task finds the folder the operator chose.
  const std::string acentuada = ejecutables / "Envíos Señal ñandú";
  PrepararBase(acentuada, demoDb);
  Registrar();
  ReplicarEntrada();
  ExpectLlegaronLosArchivos(acentuada);
}

TEST_F(TareaConPrograma, BaseAbiertaConRutaRelativaSeEncuentraDesdeLaCarpetaPersonal) {
  {
    const EnCarpeta enLaDeLaBase(carpeta.Ruta());  // where the program was started
    PrepararBase(destino, "demo.sqlite");
    Registrar();
  }
  EXPECT_NE(parametros.find("@dbname=" + demoDb + ";"), std::string::npos) << parametros;
  ReplicarEntrada();
  ExpectLlegaronLosArchivos(destino);
}

}  // namespace
