// The script runner on real script files against a real embedded database.
#include "provisioning/Ejecutar.h"

#include <sys/stat.h>

#include "GuionDePrueba.h"
#include "provisioning/GuardiaEliminacion.h"
#include "sivlib/Operador.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class EjecutarSqlite : public ConGuionSqlite {
 protected:
  void SetUp() override {
    ConGuionSqlite::SetUp();
    Ejecutar("CREATE TABLE PASADAS (N int)");
  }
  // Rows inserted by each batch of the script, by its number.
  Filas Pasadas() { return Consultar("SELECT N, COUNT(*) FROM PASADAS GROUP BY N ORDER BY N"); }
  std::string ErroresAnotados() {
    const auto archivos = ArchivosDeErrores();
    EXPECT_EQ(archivos.size(), 1u) << "one error file per run";
    return archivos.empty() ? "" : LeerArchivo(archivos[0]);
  }
};

// Each batch records its run in PASADAS; the passes show in the counts.
TEST_F(EjecutarSqlite, PasadasDeLosEjemplos) {
  const std::string insertar = "INSERT INTO PASADAS (N) VALUES (1)\r\nGO\r\n";
  const std::string falta = "SELECT * FROM NO_EXISTE\r\nGO\r\n";
  struct {
    const char* que;
    std::string guion;
    Filas pasadas;
  } casos[] = {
      {"a view before its table: two passes",
       "CREATE VIEW V_A AS\r\nSELECT X FROM A\r\nGO\r\nCREATE TABLE A (X int PRIMARY KEY)\r\nGO\r\n" + insertar,
       {{"1", "2"}}},
      {"one pass when nothing is missing", insertar, {{"1", "1"}}},
      {"a batch that always misses its object: exactly 20 passes", insertar + falta, {{"1", "20"}}},
      {"\"drop \" runs in the first pass only",
       insertar + "INSERT INTO PASADAS (N) VALUES (2) -- drop \r\nGO\r\n" + falta,
       {{"1", "20"}, {"2", "1"}}},
      {"FMT_ESTADISTICAFH runs from the second pass on",
       insertar + "INSERT INTO PASADAS (N) VALUES (3) -- FMT_ESTADISTICAFH\r\nGO\r\n" + falta,
       {{"1", "20"}, {"3", "19"}}},
      {"FMT_ESTADISTICAFH never runs when one pass suffices",
       insertar + "INSERT INTO PASADAS (N) VALUES (3) -- FMT_ESTADISTICAFH\r\n",
       {{"1", "1"}}},
  };
  for (const auto& c : casos) {
    Ejecutar("DELETE FROM PASADAS; DROP VIEW IF EXISTS V_A; DROP TABLE IF EXISTS A");
    for (const auto& a : ArchivosDeErrores()) std::remove(a.c_str());
    op->Limpiar();
    ::Ejecutar(Guion(c.guion));
    EXPECT_EQ(Pasadas(), c.pasadas) << c.que;
    EXPECT_EQ(ErroresAnotados(), "") << c.que << ": what is missing or already there is not written down";
    EXPECT_TRUE(op->Mensajes().empty()) << c.que;
  }
}

// The error block, byte for byte, in a file named after the run's start
// and readable by its owner only; the operator is pointed to it.
TEST_F(EjecutarSqlite, ArchivoDeErroresYAvisoFinal) {
  Ejecutar("CREATE TABLE CLAVES (C int PRIMARY KEY); INSERT INTO CLAVES VALUES (1)");
  const FechaHora antes = FechaHora::Ahora();
  ::Ejecutar(Guion("-- alta\r\nINSERT INTO CLAVES (C)\r\n  VALUES (1)\r\nGO\r\n"));
  const FechaHora despues = FechaHora::Ahora();

  const auto archivos = ArchivosDeErrores();
  ASSERT_EQ(archivos.size(), 1u);
  const std::string nombre = archivos[0].substr(carpeta.Ruta().size());
  EXPECT_TRUE(NombreDeAlgunSegundo(nombre, antes, despues)) << nombre;
  struct stat st {};
  ASSERT_EQ(stat(archivos[0].c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "the batches it records may hold passwords";

  const std::string bytes = LeerArchivo(archivos[0]);
  const std::string estrellas(112, '*');
  const size_t fin2 = bytes.find("\r\n", estrellas.size() + 2);
  ASSERT_NE(fin2, std::string::npos);
  const std::string momento = bytes.substr(estrellas.size() + 2, fin2 - estrellas.size() - 2);
  const auto dia = FechaHora::DesdeTexto(momento.substr(0, 10));
  ASSERT_TRUE(dia && momento.size() == 21 && momento.substr(10, 3) == " - ") << momento;
  EXPECT_TRUE(*dia == FechaHora::DesdeTexto(antes.SoloFecha()) || *dia == FechaHora::DesdeTexto(despues.SoloFecha()));
  EXPECT_EQ(bytes, estrellas + "\r\n" + momento + "\r\n" +
                       "  Error 2627 Violation of PRIMARY KEY constraint 'PK_CLAVES'. Cannot insert duplicate key in "
                       "object 'dbo.CLAVES'.\r\n" +
                       estrellas + "\r\nINSERT INTO CLAVES (C)\r\n  VALUES (1)\r\n\r\n" + estrellas + "\r\n");

  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Se detectaron errores, consulte el archivo " + archivos[0]);
  EXPECT_EQ(op->Mensajes()[0].estilo, botones::OK);
  EXPECT_EQ(Abiertos(1), archivos[0] + "\n");
}

// Only "Automatica", exactly, keeps the final message back; an unattended
// run ("1") still shows it.
TEST_F(EjecutarSqlite, MensajeFinalSegunElModo) {
  Ejecutar("CREATE TABLE CLAVES (C int PRIMARY KEY); INSERT INTO CLAVES VALUES (1)");
  const std::string guion = Guion("INSERT INTO CLAVES VALUES (1)\r\n");
  for (auto [modo, mensajes] :
       std::vector<std::pair<std::string, size_t>>{{"", 1}, {"1", 1}, {"Automatica", 0}, {"automatica", 1}}) {
    gParametroAdicional = modo;
    op->Limpiar();
    ::Ejecutar(guion);
    EXPECT_EQ(op->Mensajes().size(), mensajes) << modo;
  }
}

// Lower case asks, upper case does not; one right answer covers the run; a
// wrong or cancelled one runs nothing at all.
TEST_F(EjecutarSqlite, GuardiaDeEliminacion) {
  const std::string guion = Guion(
      "INSERT INTO PASADAS (N) VALUES (1)\r\nGO\r\ndrop table VIEJA\r\nGO\r\ndrop table VIEJA2\r\n"
      "DROP TABLE VIEJA3\r\n");
  struct {
    std::string respuesta;
    size_t preguntas;
    bool ejecuta;
  } casos[] = {{"OMBU@", 1, true}, {"ombu@", 1, false}, {"", 1, false}, {"OMBU@ ", 1, false}};
  for (const auto& c : casos) {
    Ejecutar(
        "DELETE FROM PASADAS; CREATE TABLE IF NOT EXISTS VIEJA (X int); CREATE TABLE IF NOT EXISTS VIEJA2 (X "
        "int); CREATE TABLE IF NOT EXISTS VIEJA3 (X int)");
    op->Limpiar();
    op->ResponderTexto(c.respuesta);
    ::Ejecutar(guion);
    std::vector<OperadorGuionado::Mostrado> preguntas;
    for (const auto& m : op->Mostrados())
      if (m.clase == "Entrada") preguntas.push_back(m);
    ASSERT_EQ(preguntas.size(), c.preguntas) << c.respuesta;
    EXPECT_EQ(preguntas[0].texto, "Ingresa la Clave para permitir ejecutar este comando..\r\ndrop table VIEJA");
    EXPECT_EQ(preguntas[0].titulo, "Atencion");
    const Filas tablas = Consultar("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE 'VIEJA%'");
    if (c.ejecuta) {
      EXPECT_EQ(Pasadas(), (Filas{{"1", "1"}}));
      EXPECT_EQ(tablas, (Filas{{"0"}}));
      EXPECT_TRUE(op->Mensajes().empty());
    } else {
      EXPECT_EQ(Pasadas(), Filas{}) << "nothing of the script ran";
      EXPECT_EQ(tablas, (Filas{{"3"}}));
      ASSERT_EQ(op->Mensajes().size(), 1u);
      EXPECT_EQ(op->Mensajes()[0].texto,
                "SE HA DETECTADO UN COMANDO DE ELIMINACION DE TABLA... NO ESTA PERMITIDO LA EJECUCION DE ESTOS "
                "COMANDOS...\r\nOPERACION ABORTADA!!!");
      EXPECT_EQ(op->Mensajes()[0].estilo, botones::OK + botones::Critico);
      EXPECT_EQ(op->Mensajes()[0].titulo, "ATENCION!");
    }
  }
}

TEST(GuardiaEliminacion, LineasQueSePreguntan) {
  struct {
    const char* linea;
    bool pregunta;
  } casos[] = {
      {"drop table X", true},
      {"  truncate table X", true},
      {"DROP TABLE X", false},
      {"Drop Table X", false},
      {"drop  table X", false},
      {"TRUNCATE TABLE AC_VentasFormTStock -- truncate table", false},
      {"TRUNCATE TABLE MA_CUENTAS_SALDOS; drop table X", false},
      {"if object_id('tempdb..#TTEmp') is not null DROP TABLE #TTEmp drop table Y", false},
      {"DROP TABLE #TTEmp2 truncate table Z", false},
      {"truncate table ac_ventasformtstock", true},
  };
  for (const auto& c : casos) EXPECT_EQ(EsComandoDeEliminacion(c.linea), c.pregunta) << c.linea;
}

// A script that cannot be read goes to the general error dialog, routine
// "Ejecutar"; the answer decides (see the recorded statements for what
// runs after each answer).
TEST_F(EjecutarSqlite, GuionQueNoSePuedeLeer) {
  op->ResponderMensaje(respuesta::Abortar);
  ::Ejecutar(carpeta / "no_existe.sql");
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_NE(op->Mensajes()[0].titulo.find("Ejecutar"), std::string::npos) << op->Mensajes()[0].titulo;
  EXPECT_NE(op->Mensajes()[0].texto.find("no_existe.sql"), std::string::npos) << op->Mensajes()[0].texto;
  EXPECT_EQ(ArchivosDeErrores().size(), 1u) << "the error file was opened first";
  op->Limpiar();
  op->ResponderMensaje(respuesta::Reintentar);
  op->ResponderMensaje(respuesta::Abortar);
  ::Ejecutar(carpeta / "no_existe.sql");
  EXPECT_EQ(op->Mensajes().size(), 2u) << "retry reads again";
}

TEST_F(EjecutarSqlite, SinArchivoNoHaceNada) {
  ::Ejecutar("");
  EXPECT_TRUE(ArchivosDeErrores().empty());
  EXPECT_TRUE(op->Mostrados().empty());
}

}  // namespace
