// A value whose loss matters is stored and read back, or the failure is
// told: on a real embedded database whose row has trailing blanks, whose
// update is refused, or which cannot be written at all.
#include <unistd.h>

#include <filesystem>

#include "services/Configuracion.h"
#include "support/BaseDePrueba.h"

namespace {

using ValorComprobado = ConBaseSqlite;

TEST_F(ValorComprobado, GuardaYReleeElValor) {
  EXPECT_FALSE(GrabaDfgComprobado("NRO_PAQUETE", Variant("16"), "", false, "DATOS").HayError());
  EXPECT_EQ(Consultar("SELECT CLAVE, VALOR, GRUPO FROM TA_CONFIGURACION"), (Filas{{"NRO_PAQUETE", "16", "DATOS"}}));
  EXPECT_FALSE(GrabaDfgComprobado("nro_paquete", Variant("17"), "", false, "DATOS").HayError());
  EXPECT_EQ(Cfg("NRO_PAQUETE"), "17");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(ValorComprobado, UnaFilaConBlancosFinalesSeEncuentraYSeActualiza) {
  // Another program stored the row with padded texts, as a char column does.
  Ejecutar(
      "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, GRUPO, POLITICANEGOCIO) "
      "VALUES ('NRO_PAQUETE', '15  ', 'x ', 'DATOS     ', 0)");
  EXPECT_FALSE(GrabaDfgComprobado("NRO_PAQUETE", Variant("16"), "", false, "DATOS").HayError());
  EXPECT_EQ(Consultar("SELECT VALOR, GRUPO FROM TA_CONFIGURACION"), (Filas{{"16", "DATOS"}}));
  // The plain writer stores it too: the row is found again by what was read.
  Ejecutar("UPDATE TA_CONFIGURACION SET GRUPO = 'DATOS  ', VALORAUX = 'y   '");
  GrabaDfg("NRO_PAQUETE", Variant("17"), "", false, "DATOS");
  EXPECT_EQ(Cfg("NRO_PAQUETE"), "17");
}

TEST_F(ValorComprobado, UnaActualizacionRechazadaSeInformaConSuMotivo) {
  GrabaDfg("NRO_PAQUETE", Variant("15"), "", false, "DATOS");
  // The server's refusal (no UPDATE permission), as the database gives it.
  Ejecutar(
      "CREATE TRIGGER SIN_PERMISO BEFORE UPDATE ON TA_CONFIGURACION "
      "BEGIN SELECT RAISE(ABORT, 'The UPDATE permission was denied on the object TA_CONFIGURACION'); END");
  const ErrorSistema e = GrabaDfgComprobado("NRO_PAQUETE", Variant("16"), "", false, "DATOS");
  EXPECT_TRUE(e.HayError());
  EXPECT_NE(e.descripcion.find("UPDATE permission was denied"), std::string::npos) << e.descripcion;
  EXPECT_EQ(Cfg("NRO_PAQUETE"), "15");
  // A key without a row whose insert is refused.
  Ejecutar(
      "CREATE TRIGGER SIN_ALTA BEFORE INSERT ON TA_CONFIGURACION "
      "BEGIN SELECT RAISE(ABORT, 'The INSERT permission was denied'); END");
  EXPECT_NE(GrabaDfgComprobado("OTRA", Variant("1")).descripcion.find("INSERT permission"), std::string::npos);
}

TEST_F(ValorComprobado, UnaBaseDeSoloLecturaSeInforma) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only files";
  GrabaDfg("NRO_PAQUETE", Variant("15"), "", false, "DATOS");
  CerrarBases();
  std::filesystem::permissions(base, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  Abrir(base);
  const ErrorSistema e = GrabaDfgComprobado("NRO_PAQUETE", Variant("16"), "", false, "DATOS");
  EXPECT_TRUE(e.HayError());
  EXPECT_NE(e.descripcion.find("readonly"), std::string::npos) << e.descripcion;
  EXPECT_EQ(Cfg("NRO_PAQUETE"), "15");
}

}  // namespace
