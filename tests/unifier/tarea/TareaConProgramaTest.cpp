// The registered entry run as cron runs it, with the real program copied
// by the task window: the four files of the package arrive in the
// destination folder and the package counter advances.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TareaDePrueba.h"
#include "db/DB_Dll.h"
#include "demo/GeneradorDemo.h"
#include "unifier/DemoChica.h"
#include "sivlib/ValoresGlobales.h"
#include "support/BaseDePrueba.h"
#include "support/ProcesoPrueba.h"
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
