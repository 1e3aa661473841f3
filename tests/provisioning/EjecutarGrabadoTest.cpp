// The exact batches the script runner sends, on the recording engine: how
// the file is cut, what is left out, what reaches the server as written
// and what the macros become.
#include <cmath>
#include <functional>

#include "GuionDePrueba.h"
#include "provisioning/Ejecutar.h"
#include "provisioning/MacrosGuion.h"
#include "sivlib/Operador.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class EjecutarGrabado : public ConGrabador {
 protected:
  std::string Guion(const std::string& bytes, const std::string& nombre = "guion.sql") {
    EscribirArchivo(carpeta / nombre, bytes);
    return carpeta / nombre;
  }
  // The statements sent, without the configuration reads.
  std::vector<std::string> Lotes() {
    std::vector<std::string> lotes;
    for (const auto& s : Sentencias())
      if (s.rfind("SELECT VALOR, valoraux", 0) != 0) lotes.push_back(s);
    return lotes;
  }
  VariableEntorno path{"PATH", std::string(ABRIDOR_DE_PRUEBA) + ":/usr/bin:/bin"};
  VariableEntorno abiertos{"UT_VORNA_ABIERTOS", carpeta / "abiertos.txt"};
};

// True when `hecho(momento)` gives `esperado` for some second of the run.
bool EnAlgunMomento(const std::string& esperado, const FechaHora& antes, const FechaHora& despues,
                    const std::function<std::string(const FechaHora&)>& hecho) {
  const long long segundos = std::llround((despues.Serial() - antes.Serial()) * 86400);
  for (long long i = 0; i <= segundos; ++i)
    if (hecho(FechaHora::DesdeSerial(antes.Serial() + i / 86400.0)) == esperado) return true;
  return false;
}

TEST_F(EjecutarGrabado, CorteDelArchivoEnLotes) {
  Ejecutar(
      Guion("\xEF\xBB\xBF-- marca de orden de UTF-8 leida como ANSI\r\n"
            "CREATE TABLE T (A varchar(10))\r\n"
            "GO\r\n"
            "  GO  \r\n"
            "SELECT 1\r\r\n"
            "INSERT INTO T VALUES ('<date>')\r"
            "go\r\n"
            "   -- comentario con blancos delante\r\n"
            "UPDATE T SET A = 'x' -- comentario tras el codigo\r\n"
            "/\r\n"
            "INSERT INTO T VALUES ('uno\r\n"
            "-- linea de comentario dentro del literal\r\n"
            "dos')\r\n"
            "Go\r\n"
            "SELECT 2\n  , 3\r\n"
            "\xEF\xBB\xBF   GO\r\n"
            "SELECT '<DATABASE>'\r\n"
            "GO"));
  EXPECT_EQ(Lotes(), (std::vector<std::string>{
                         "SET NOCOUNT ON",
                         "CREATE TABLE T (A varchar(10))\r\n",
                         "SELECT 1\r\nINSERT INTO T VALUES ('<date>')\r\ngo\r\nUPDATE T SET A = 'x' -- comentario "
                         "tras el codigo\r\n",
                         "INSERT INTO T VALUES ('uno\r\ndos')\r\nGo\r\nSELECT 2\n  , 3\r\n",
                         "SELECT 'ERP'\r\n",
                     }));
  EXPECT_TRUE(op->Mostrados().empty());
}

TEST_F(EjecutarGrabado, MacrosDeFecha) {
  const std::string guion = Guion("SELECT '<DATE>', '<DATE+YEAR>', '<DATE-YEAR>'\r\nGO\r\nSELECT '<NOW>'\r\n");
  const FechaHora antes = FechaHora::Ahora();
  Ejecutar(guion);
  const FechaHora despues = FechaHora::Ahora();
  const auto lotes = Lotes();
  ASSERT_EQ(lotes.size(), 3u);
  EXPECT_TRUE(EnAlgunMomento(lotes[1], antes, despues, [](const FechaHora& f) {
    return "SELECT '" + f.SoloFecha() + "', '" + MasAnios(f, 1).SoloFecha() + "', '" + MasAnios(f, -1).SoloFecha() +
           "'\r\n";
  })) << lotes[1];
  EXPECT_TRUE(EnAlgunMomento(lotes[2], antes, despues, [](const FechaHora& f) {
    return "SELECT '" + f.Regional() + "'\r\n";
  })) << lotes[2];
}

TEST(MacrosGuion, AnioCalendario) {
  const FechaHora bisiesto{2028, 2, 29, 10, 5, 7};
  EXPECT_EQ(ExpandirMacros("<DATE+YEAR>|<DATE-YEAR>|<DATE>|<NOW>|<date>|<DATABASE>", bisiesto, "px_Estad"),
            "28/02/2029|28/02/2027|29/02/2028|29/02/2028 10:05:07|<date>|PX_ESTAD");
  EXPECT_EQ(ExpandirMacros("<NOW>", FechaHora{2026, 12, 9, 0, 0, 0}, ""), "09/12/2026") << "midnight prints no time";
}

// The suite's view scripts get their own SS_MA_CUENTAS; the flag is read
// only for them.
TEST_F(EjecutarGrabado, VistaDeCuentasEnLosGuionesDeVistas) {
  const std::string confidencial =
      "CREATE VIEW dbo.SS_MA_CUENTAS  AS  SELECT MA_CUENTAS.*  FROM MA_CUENTAS_USUARIOS INNER JOIN  MA_CUENTAS ON   "
      "MA_CUENTAS_USUARIOS.Cuenta = MA_CUENTAS.CODIGO INNER   Join TA_USUARIOS ON  MA_CUENTAS_USUARIOS.GrupoUser = "
      "TA_USUARIOS.Grupo   Where (TA_USUARIOS.Nombre = SYSTEM_USER)";
  const std::string todas = "CREATE VIEW dbo.SS_MA_CUENTAS  AS  SELECT *  FROM MA_CUENTAS";
  const std::string lote = "CREATE VIEW dbo.SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS WHERE 1 = 0\r\n";
  struct {
    const char* archivo;
    const char* bandera;
    std::string enviado;
    bool leeBandera;
  } casos[] = {
      {"VISTAS_OMRA.sql", "SI", confidencial, true}, {"VISTAS_OMRA.sql", "si", todas, true},
      {"VISTAS_OMRA.sql", "NO", todas, true},        {"COMPLETO.sql", "SI", todas, false},
      {"vistas_completo.sql", "SI", lote, false},
  };
  for (const auto& c : casos) {
    grabacion->Limpiar();
    ResponderFilas("SS_Confidencialidad", {{"VALOR", tipo_ado::VarWChar}, {"valoraux", tipo_ado::VarWChar}},
                   {{Variant(c.bandera), Variant("")}}, 1);
    Ejecutar(Guion(lote + "GO\r\nCREATE VIEW dbo.SS_OTRA AS SELECT 1 AS X\r\n", c.archivo));
    EXPECT_EQ(Lotes(),
              (std::vector<std::string>{"SET NOCOUNT ON", c.enviado, "CREATE VIEW dbo.SS_OTRA AS SELECT 1 AS X\r\n"}))
        << c.archivo << " " << c.bandera;
    EXPECT_EQ(Sentencias().size() - Lotes().size(), c.leeBandera ? 1u : 0u) << c.archivo;
  }
}

// What a failed SET NOCOUNT ON says is shown and cleared; records an
// earlier statement of the caller left are not this run's failures.
TEST_F(EjecutarGrabado, ErroresDeLaSesion) {
  db.gCnn->Errors.Agregar(ErrorProveedor{"42000", ado::ErrorEnComando, "The database 'PX' does not exist.", 15010, ""});
  Ejecutar(Guion("SELECT 1\r\n"));
  EXPECT_TRUE(op->Mostrados().empty());

  grabacion->Responder("SET NOCOUNT", RespuestaGrabada::Falla(ado::ErrorEnComando, 195, "42000", "Sin NOCOUNT"));
  Ejecutar(Guion("SELECT 1\r\n"));
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Sin NOCOUNT");
  EXPECT_EQ(Lotes().back(), "SELECT 1\r\n");
  EXPECT_EQ(LeerArchivo(ArchivosDeErrores(carpeta.Ruta()).at(0)), "") << "the session's failure is not a batch's";
}

// PRINT output reaches the provider list as an informational record
// (SQL state 01000): the batch went well, so no error block and no
// "errors detected" message; a failure after it still counts.
TEST_F(EjecutarGrabado, UnAvisoNoEsUnError) {
  RespuestaGrabada aviso;
  aviso.resultado.errores = {ErrorProveedor{"01000", 0, "[FreeTDS][SQL Server]Vistas creadas", 0, ""}};
  grabacion->Responder("PRINT", aviso);
  const auto todo = [&] {
    std::string bytes;
    for (const auto& archivo : ArchivosDeErrores(carpeta.Ruta())) bytes += LeerArchivo(archivo);
    return bytes;
  };
  Ejecutar(Guion("PRINT 'Vistas creadas'\r\n"));
  EXPECT_EQ(todo(), "");
  EXPECT_TRUE(op->Mostrados().empty());

  grabacion->Responder("UPDATE", RespuestaGrabada::Falla(ado::ErrorEnComando, 547, "23000", "Conflicto"));
  gParametroAdicional = "Automatica";
  Ejecutar(Guion("PRINT 'antes'\r\nGO\r\nUPDATE T SET X = 1\r\n"));
  const std::string bytes = todo();
  EXPECT_NE(bytes.find("Error 547 Conflicto"), std::string::npos) << bytes;
  EXPECT_EQ(bytes.find("Vistas creadas"), std::string::npos) << bytes;
}

// After a script that cannot be read: "Abortar" runs nothing; "Ignorar"
// goes on with an empty script.
TEST_F(EjecutarGrabado, RespuestasAlFalloDeLectura) {
  op->ResponderMensaje(respuesta::Abortar);
  Ejecutar(carpeta / "no_existe.sql");
  EXPECT_TRUE(Lotes().empty());
  op->ResponderMensaje(respuesta::Ignorar);
  Ejecutar(carpeta / "no_existe.sql");
  EXPECT_EQ(Lotes(), std::vector<std::string>{"SET NOCOUNT ON"});
}

// The batch as the database object handed it back is what the error file
// shows: here without the "@Admin_" marker.
TEST_F(EjecutarGrabado, ElArchivoDeErroresGuardaElLotePreparado) {
  grabacion->Responder("UPDATE", RespuestaGrabada::Falla(ado::ErrorEnComando, 547, "23000", "Conflicto"));
  gParametroAdicional = "Automatica";
  Ejecutar(Guion("UPDATE @Admin_MA_CUENTAS SET X = 1\r\n"));
  const std::string bytes = LeerArchivo(ArchivosDeErrores(carpeta.Ruta()).at(0));
  EXPECT_NE(bytes.find("\r\n  Error 547 Conflicto\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("\r\nUPDATE MA_CUENTAS SET X = 1\r\n\r\n"), std::string::npos) << bytes;
  EXPECT_TRUE(op->Mostrados().empty()) << "Automatica: no final message";
}

}  // namespace
