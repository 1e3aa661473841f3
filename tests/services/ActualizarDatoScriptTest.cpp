// Statement builders and the transaction batch with its AUX_ERR record.
#include "support/BaseDePrueba.h"
#include "services/ActualizarDatoScript.h"
#include "services/NombreEjecutable.h"
#include "sivlib/Entorno.h"
#include "sivlib/Regional.h"

#include <regex>

namespace {

std::vector<std::string> Armar(const std::vector<std::pair<std::string, std::string>>& pares, const std::string& tabla,
                               bool actualizar, std::string condicion = {}) {
  bool primero = true;
  for (auto [campo, valor] : pares) {
    AgregarCampo(campo, valor, "'", primero);
    primero = false;
  }
  std::vector<std::string> sentencias;
  ArmarSentencia(CamposPendientes(), sentencias, tabla, actualizar, condicion);
  return sentencias;
}

TEST(ArmarSentencia, InsertAndUpdateTexts) {
  EXPECT_EQ(Armar({{"Maquina", "PC07"}, {"Usuario", "ANA"}}, "Control_Acceso", false),
            (std::vector<std::string>{"INSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC07','ANA')", ""}));
  EXPECT_EQ(Armar({{"Nota", "O'Brien"}, {"Baja", "null"}}, "T", false),
            (std::vector<std::string>{"INSERT INTO T (Nota,Baja) VALUES ('OBrien',Null)", ""}));
  EXPECT_EQ(CamposPendientes().size(), 1u) << "the pairs are reset to one fresh slot";
  EXPECT_TRUE(CamposPendientes()[0].campo.empty());
}

TEST(ArmarSentencia, UpdateGetsItsWhere) {
  std::string a = "1", b = "2", condicion = "ID = 5";
  AgregarCampo("A", a, "", true);
  AgregarCampo("B", b, "");
  std::vector<std::string> sentencias;
  ArmarSentencia(CamposPendientes(), sentencias, "T", true, condicion, true);
  EXPECT_EQ(sentencias[0], "UPDATE T SET A = 1,B = 2  WHERE ID = 5");
  EXPECT_EQ(condicion, " WHERE ID = 5");
  EXPECT_EQ(CamposPendientes().size(), 2u) << "kept on request";
  std::string otra = "where ID = 6";
  ArmarSentencia(CamposPendientes(), sentencias, "T", true, otra);
  EXPECT_EQ(sentencias[2], "UPDATE T SET A = 1,B = 2 where ID = 6");
  EXPECT_EQ(sentencias.size(), 4u);
}

TEST(ArmarSentencia, CallerVariableLosesItsApostrophes) {
  regional::FijarSeparadores(',', '.');
  std::string valor = "O'Brien";
  AgregarCampo("Nombre", valor, "'", true);
  EXPECT_EQ(valor, "OBrien");
  std::string importe = "1234,5";
  AgregarCampo("Importe", importe, "@");
  EXPECT_EQ(CamposPendientes()[1].valor, "1234.5");
  CamposPendientes().assign(1, ParCampo{});
  regional::Restablecer();
}

TEST(ArmarSentencia, ScriptOfTheBatch) {
  EXPECT_EQ(actualizar_dato::ArmarScript({"", "  ", "A", "", "B"}), "BEGIN TRANSACTION \r\r\rA\rB\r");
  EXPECT_EQ(actualizar_dato::ArmarScript({"", " "}), "");
}

class ActualizarDato : public ConBaseSqlite {
 protected:
  void SetUp() override {
    ConBaseSqlite::SetUp();
    Ejecutar("INSERT INTO TA_USUARIOS (Nombre) VALUES ('ana')");
  }
  void Correr(const std::vector<std::string>& sentencias, bool aceptaDuplicado = false, bool mostrar = true) {
    GActualizarDatoScript(sentencias, fallo, codigo, aceptaDuplicado, false, script, mensaje, mostrar);
  }
  bool fallo = true;
  int32_t codigo = -1;
  std::string script = "sin tocar", mensaje = "sin tocar";
};

TEST_F(ActualizarDato, CommittedWhenNoErrorComes) {
  Correr({"", "INSERT INTO TA_USUARIOS (Nombre) VALUES ('luis')", "",
          "UPDATE TA_USUARIOS SET Administrador = 1 WHERE Nombre = 'ana'", ""});
  EXPECT_FALSE(fallo);
  EXPECT_EQ(codigo, 0);
  EXPECT_EQ(Consultar("SELECT Nombre, Administrador FROM TA_USUARIOS ORDER BY Nombre"),
            (Filas{{"ana", "1"}, {"luis", "0"}}));
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM AUX_ERR"), (Filas{{"0"}}));
  // The connection is usable afterwards: no transaction was left open.
  Correr({"INSERT INTO TA_USUARIOS (Nombre) VALUES ('eva')"});
  EXPECT_FALSE(fallo);
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM TA_USUARIOS"), (Filas{{"3"}}));
}

TEST_F(ActualizarDato, BlankStatementsSendNothing) {
  Correr({"", "   "});
  EXPECT_FALSE(fallo);
  EXPECT_EQ(codigo, -1);
  EXPECT_EQ(script, "sin tocar");
  EXPECT_EQ(mensaje, "sin tocar");
}

TEST_F(ActualizarDato, AcceptedDuplicateRollsBackQuietlyAndIsRecorded) {
  Correr({"INSERT INTO TA_USUARIOS (Nombre) VALUES ('luis')", "INSERT INTO TA_USUARIOS (Nombre) VALUES ('ana')"}, true);
  EXPECT_TRUE(fallo);
  EXPECT_EQ(codigo, 2627);
  EXPECT_FALSE(mensaje.empty());
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_EQ(Consultar("SELECT Nombre FROM TA_USUARIOS"), (Filas{{"ana"}})) << "luis was rolled back with the batch";
  const Filas aux = Consultar("SELECT Proceso, Error, Descripcion, SQL, Usuario, Fecha FROM AUX_ERR");
  ASSERT_EQ(aux.size(), 1u);
  EXPECT_EQ(aux[0][0], NombreEjecutable());
  EXPECT_EQ(aux[0][1], "2627");
  EXPECT_EQ(aux[0][2], "");
  EXPECT_EQ(aux[0][3], script);
  EXPECT_EQ(aux[0][4], "ana");
  EXPECT_TRUE(FechaHora::DesdeTexto(aux[0][5]) || FechaHora::DesdeIso(aux[0][5])) << aux[0][5];
}

TEST_F(ActualizarDato, FailureIsToldToTheOperatorAndRecorded) {
  Correr({"INSERT INTO TA_USUARIOS (Nombre) VALUES ('ana')"});
  EXPECT_TRUE(fallo);
  EXPECT_EQ(codigo, 2627);
  EXPECT_EQ(mensaje.substr(0, 7), "2627 : ");
  EXPECT_EQ(mensaje.substr(mensaje.size() - 2), "\r\n");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al Operador!");
  EXPECT_EQ(op->Mensajes()[0].texto, mensaje);
  EXPECT_EQ(Consultar("SELECT Descripcion FROM AUX_ERR"), (Filas{{mensaje}}));
}

TEST_F(ActualizarDato, FailureWithoutShowingIsOnlyRecorded) {
  // A table name long enough for the error text to pass 250 characters.
  const std::string tabla = "NO_EXISTE_" + std::string(300, 'X');
  Correr({"INSERT INTO " + tabla + " (A) VALUES (1)"}, false, false);
  EXPECT_TRUE(fallo);
  EXPECT_EQ(codigo, 208);
  EXPECT_TRUE(op->Mensajes().empty());
  ASSERT_GT(mensaje.size(), 250u);
  const Filas aux = Consultar("SELECT Error, Descripcion, PC, Fecha FROM AUX_ERR");
  ASSERT_EQ(aux.size(), 1u);
  EXPECT_EQ(aux[0][0], "208");
  EXPECT_EQ(aux[0][1], mensaje.substr(0, 250)) << "the description is cut to 250 characters";
  EXPECT_EQ(aux[0][2], NombreEquipo());
  EXPECT_TRUE(FechaHora::DesdeTexto(aux[0][3]) || FechaHora::DesdeIso(aux[0][3])) << aux[0][3];
}

TEST_F(ActualizarDato, AnEarlierUnrelatedErrorDoesNotUndoTheBatch) {
  db.EjecutaConsultaSQL("SELECT * FROM NO_EXISTE");
  ASSERT_GT(db.gCnn->Errors.Count(), 0);
  Correr({"INSERT INTO TA_USUARIOS (Nombre) VALUES ('luis')"});
  EXPECT_FALSE(fallo);
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM TA_USUARIOS"), (Filas{{"2"}}));
}

class ActualizarDatoSentencias : public ConGrabador {
 protected:
  void SetUp() override {
    ConGrabador::SetUp();
    std::vector<CampoInfo> columnas;
    for (const char* c : {"Proceso", "Fecha", "Error", "Descripcion", "SQL", "PC", "Usuario"}) columnas.push_back({c});
    ResponderFilas("from AUX_ERR", columnas, {});
  }
};

TEST_F(ActualizarDatoSentencias, BatchCommitAndRollbackTexts) {
  bool fallo = false;
  int32_t codigo = 0;
  std::string script, mensaje;
  GActualizarDatoScript({"", "INSERT INTO T (A) VALUES (1)", ""}, fallo, codigo, false, false, script, mensaje, true);
  EXPECT_EQ(Sentencias(),
            (std::vector<std::string>{"BEGIN TRANSACTION \r\r\rINSERT INTO T (A) VALUES (1)\r", "COMMIT TRANSACTION"}));
  grabacion->Limpiar();
  RespuestaGrabada dos = RespuestaGrabada::Falla(ado::ViolacionIntegridad, 547, "23000", "primero");
  dos.resultado.errores.push_back({"01000", ado::ViolacionIntegridad, "segundo", 3621, "srv"});
  grabacion->Responder("INSERT INTO T", dos, 1);
  GActualizarDatoScript({"INSERT INTO T (A) VALUES (2)"}, fallo, codigo, false, true, script, mensaje, true);
  EXPECT_TRUE(fallo);
  EXPECT_EQ(codigo, 547);
  EXPECT_EQ(mensaje, "primero") << "an accepted relation failure hands back the first description";
  EXPECT_TRUE(op->Mensajes().empty());
  const auto s = Sentencias();
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0], "BEGIN TRANSACTION \r\r\rINSERT INTO T (A) VALUES (2)\r");
  EXPECT_EQ(s[1], "ROLLBACK TRANSACTION");
  EXPECT_EQ(s[2], "select  top 1 * from AUX_ERR  with(nolock) ");
  // The time of the failure goes as day/month/year text, to the minute.
  EXPECT_TRUE(std::regex_search(
      s[3], std::regex(R"(^INSERT INTO AUX_ERR \(Proceso, Fecha, Error, Descripcion, SQL, PC, Usuario\) VALUES \()"
                       R"('[^']*', '\d\d/\d\d/\d\d \d\d:\d\d', 547, '', )")))
      << s[3];
}

// One line per error, the last one left out when there are several.
TEST_F(ActualizarDatoSentencias, ErrorLinesLeaveOutTheLastOfSeveral) {
  struct Caso {
    int errores;
    const char* mensaje;
  };
  for (const Caso& c :
       {Caso{1, "547 : primero\r\n"}, Caso{2, "547 : primero\r\n"}, Caso{3, "547 : primero\r\n3621 : segundo\r\n"}}) {
    RespuestaGrabada falla = RespuestaGrabada::Falla(ado::ViolacionIntegridad, 547, "23000", "primero");
    if (c.errores > 1) falla.resultado.errores.push_back({"01000", ado::ViolacionIntegridad, "segundo", 3621, "srv"});
    if (c.errores > 2) falla.resultado.errores.push_back({"01000", ado::ViolacionIntegridad, "tercero", 3902, "srv"});
    grabacion->Responder("INSERT INTO T", falla, 1);
    op->Limpiar();
    bool fallo = false;
    int32_t codigo = 0;
    std::string script, mensaje;
    GActualizarDatoScript({"INSERT INTO T (A) VALUES (2)"}, fallo, codigo, false, false, script, mensaje, true);
    EXPECT_EQ(mensaje, c.mensaje) << c.errores << " errors";
    EXPECT_EQ(codigo, 547);
    ASSERT_EQ(op->Mensajes().size(), 1u);
    EXPECT_EQ(op->Mensajes()[0].texto, c.mensaje);
    EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al Operador!");
    EXPECT_EQ(op->Mensajes()[0].estilo, botones::OK);
  }
}

}  // namespace
