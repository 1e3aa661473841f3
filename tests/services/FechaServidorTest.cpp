// Which clock FechaServidor trusts.
#include <cstdlib>

#include "support/BaseDePrueba.h"
#include "services/Configuracion.h"
#include "services/FechaServidor.h"
#include "sivlib/ValoresGlobales.h"

namespace {

long long Segundos(const FechaHora& f) { return static_cast<long long>(f.Serial() * 86400.0 + 0.5); }

using FechaServidorSqlite = ConBaseSqlite;

TEST_F(FechaServidorSqlite, TakesTheServerClock) {
  const FechaHora f = FechaServidor();
  EXPECT_LE(std::llabs(Segundos(f) - Segundos(FechaHora::Ahora())), 2);
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(FechaServidorSqlite, WithoutAConnectionFallsBackToTheLocalClockSilently) {
  gUtilizarFechaDia = true;
  CerrarBases();
  EXPECT_LE(std::llabs(Segundos(FechaServidor()) - Segundos(FechaHora::Ahora())), 2);
  EXPECT_TRUE(op->Mensajes().empty());
}

class FechaServidorSinReloj : public ConGrabador {
 protected:
  void SetUp() override {
    ConGrabador::SetUp();
    grabacion->Responder("getDate()", RespuestaGrabada::Falla(ado::ErrorEnComando, 195, "42000",
                                                              "'getDate' is not a recognized built-in function name."));
  }
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
  EXPECT_LE(std::llabs(Segundos(FechaServidor()) - Segundos(FechaHora::Ahora())), 2);
}

TEST_F(FechaServidorSinReloj, WithoutTheFlagTheOperatingDateIsNotRead) {
  Guardar("15/03/2024");
  EXPECT_LE(std::llabs(Segundos(FechaServidor()) - Segundos(FechaHora::Ahora())), 2);
  for (const std::string& s : Sentencias()) EXPECT_EQ(s.find("FECHAOPERHASTA"), std::string::npos);
}

}  // namespace
