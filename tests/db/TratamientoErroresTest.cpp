// The error dialog and its PXERR.LOG line, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "db/DB_Dll.h"
#include "db/TratamientoErrores.h"
#include "sivlib/Aplicacion.h"
#include "support/CarpetaPrueba.h"

namespace {

// The line without its timestamp, checking the timestamp's form.
std::string SinMomento(const std::string& linea) {
  static const std::regex momento(R"(^\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)");
  EXPECT_TRUE(std::regex_search(linea, momento)) << linea;
  return linea.substr(19);
}

class Tratamiento : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* t = std::getenv("TEMP");
    temp_ = t ? std::optional<std::string>(t) : std::nullopt;
    setenv("TEMP", carpeta.Ruta().c_str(), 1);
  }
  void TearDown() override {
    if (temp_) setenv("TEMP", temp_->c_str(), 1);
    else unsetenv("TEMP");
  }
  CarpetaPrueba carpeta;
  OperadorDePrueba op;
  DB_Dll db;
  std::optional<std::string> temp_;
};

TEST_F(Tratamiento, DialogAndLogLineOfTheDatabaseObject) {
  db.ArchivoErrores(Variant(carpeta / "PXERR.LOG"));
  op->ResponderMensaje(4);
  const ErrorSistema e{3709, "La conexion no se puede usar. ", "ADODB.Recordset"};
  EXPECT_EQ(db.TratamientoErrores(e, std::nullopt, "AbrirRecordset"), 4);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Ha ocurrido el Siguiente Error (3709) La conexion no se puede usar.");
  EXPECT_EQ(op->Mensajes()[0].titulo, "ADODB.Recordset - AbrirRecordset Aviso al operador!!! - 5 ");
  EXPECT_EQ(op->Mensajes()[0].estilo, 18);
  const std::string log = LeerArchivo(carpeta / "PXERR.LOG");
  EXPECT_EQ(SinMomento(log),
            " Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error (3709) La conexion no se puede usar."
            " Respondi\xF3 : Reintentar\r\n");
}

TEST_F(Tratamiento, NoRoutineAndOkOnly) {
  db.gLogErr = carpeta / "errores.log";
  op->ResponderMensaje(1);
  EXPECT_EQ(db.TratamientoErrores(ErrorSistema{-2147217865, "Falta", "Proveedor"}, 0), 1);
  EXPECT_EQ(op->Mensajes()[0].titulo, "Proveedor Aviso al operador!!! - 5 ");
  EXPECT_EQ(op->Mensajes()[0].estilo, 0);
  EXPECT_EQ(SinMomento(LeerArchivo(carpeta / "errores.log")),
            " Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217865) Falta Respondi\xF3 : \r\n");
}

TEST_F(Tratamiento, RoutineNameKeepsItsOwnBlanks) {
  db.gLogErr = carpeta / "PXERR.LOG";
  op->ResponderMensaje(3);
  db.TratamientoErrores(ErrorSistema{9, "x", "s"}, std::nullopt, "  Cfg ");
  EXPECT_EQ(op->Mensajes()[0].titulo, "s -   Cfg  Aviso al operador!!! - 5 ");
  EXPECT_EQ(SinMomento(LeerArchivo(carpeta / "PXERR.LOG")),
            " Rutina: -   Cfg Mensaje Ha ocurrido el Siguiente Error (9) x Respondi\xF3 : Abortar\r\n");
}

TEST_F(Tratamiento, LogBesideTheProgramWithOneSeparator) {
  const std::string previa = CarpetaAplicacion();
  FijarCarpeta(carpeta.Ruta());  // already ends in a separator
  op->ResponderMensaje(5);
  db.TratamientoErrores(ErrorSistema{5, "x", "s"}, std::nullopt, "R");
  FijarCarpeta(previa);
  EXPECT_EQ(SinMomento(LeerArchivo(carpeta / "PXERR.LOG")),
            " Rutina: - R Mensaje Ha ocurrido el Siguiente Error (5) x Respondi\xF3 : Ignorar\r\n");
}

TEST_F(Tratamiento, ErrorZeroShowsNothing) {
  db.gLogErr = carpeta / "db.log";
  EXPECT_EQ(db.TratamientoErrores(ErrorSistema{}), 0);
  EXPECT_EQ(TratamientoErroresGeneral(ErrorSistema{}), 0);
  EXPECT_TRUE(op->Mensajes().empty());
  EXPECT_FALSE(Existe(carpeta / "db.log"));
  // The general twin opens its log first: an empty file is left.
  ASSERT_TRUE(Existe(carpeta / "PXERR.LOG"));
  EXPECT_EQ(LeerArchivo(carpeta / "PXERR.LOG"), "");
}

TEST_F(Tratamiento, GeneralTwinLogsInTheTemporaryFolder) {
  db.gLogErr = carpeta / "db.log";  // does not apply to the general twin
  op->ResponderMensaje(6);
  op->ResponderMensaje(3);
  EXPECT_EQ(TratamientoErroresGeneral(ErrorSistema{53, "Archivo no encontrado", "ut_vorna"}, 4, "Cfg"), 6);
  EXPECT_EQ(TratamientoErroresGeneral(ErrorSistema{53, "Otra vez", "ut_vorna"}), 3);
  EXPECT_EQ(op->Mensajes()[0].titulo, "ut_vorna - Cfg Aviso al operador!!! - 2 ");
  EXPECT_EQ(op->Mensajes()[1].titulo, "ut_vorna Aviso al operador!!! - 2 ");
  EXPECT_EQ(op->Mensajes()[1].estilo, 18);
  const std::string log = LeerArchivo(carpeta / "PXERR.LOG");
  const size_t corte = log.find("\r\n") + 2;
  EXPECT_EQ(
      SinMomento(log.substr(0, corte)),
      " Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (53) Archivo no encontrado Respondi\xF3 : S\xED\r\n");
  EXPECT_EQ(SinMomento(log.substr(corte)),
            " Rutina:  Mensaje Ha ocurrido el Siguiente Error (53) Otra vez Respondi\xF3 : Abortar\r\n");
  EXPECT_FALSE(Existe(carpeta / "db.log"));
}

TEST_F(Tratamiento, UnwritableLogStillAsksAndAnswers) {
  db.gLogErr = carpeta / "no-existe/PXERR.LOG";
  op->ResponderMensaje(4);
  EXPECT_EQ(db.TratamientoErrores(ErrorSistema{7, "x", "s"}), 4);
  EXPECT_EQ(op->Mensajes().size(), 1u);
}

}  // namespace
