// Which clock FechaServidor trusts. The embedded engine's server clock is
// the program's clock, which the tests set.
#include "support/BaseDePrueba.h"
#include "support/RelojDePrueba.h"
#include "services/Configuracion.h"
#include "services/FechaServidor.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class FechaServidorSqlite : public ConBaseSqlite {
 protected:
  RelojDePrueba reloj;
};

TEST_F(FechaServidorSqlite, TakesTheServerClock) {
  reloj.Avanzar(std::chrono::seconds(5));
  EXPECT_EQ(FechaServidor(), reloj.Local());
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(FechaServidorSqlite, WithoutAConnectionFallsBackToTheLocalClockSilently) {
  gUtilizarFechaDia = true;
  CerrarBases();
  EXPECT_EQ(FechaServidor(), reloj.Local());
  EXPECT_TRUE(op->Mensajes().empty());
}

class FechaServidorSinReloj : public ConGrabador {
 protected:
  void SetUp() override {
    ConGrabador::SetUp();
    grabacion->Responder("getDate()", RespuestaGrabada::Falla(ado::ErrorEnComando, 195, "42000",
                                                              "'getDate' is not a recognized built-in function name."));
  }
  RelojDePrueba reloj;
  void Guardar(const char* valor) {
    ResponderFilas("FECHAOPERHASTA", {{"VALOR", tipo_ado::VarWChar}, {"valoraux", tipo_ado::VarWChar}},
                   {{Variant(valor), Variant::Nulo()}});
  }
};

TEST_F(FechaServidorSinReloj, UsesTheOperatingDateWhenTheFlagSaysSo) {
  Guardar("15/03/2024");
  gUtilizarFechaDia = true;
  EXPECT_EQ(FechaServidor(), (FechaHora{2024, 3, 15}));
}

TEST_F(FechaServidorSinReloj, AnOperatingDateThatIsNoDateGivesTheLocalClock) {
  Guardar("mañana");
  gUtilizarFechaDia = true;
  EXPECT_EQ(FechaServidor(), reloj.Local());
}

TEST_F(FechaServidorSinReloj, WithoutTheFlagTheOperatingDateIsNotRead) {
  Guardar("15/03/2024");
  EXPECT_EQ(FechaServidor(), reloj.Local());
  for (const std::string& s : Sentencias()) EXPECT_EQ(s.find("FECHAOPERHASTA"), std::string::npos);
}

}  // namespace
