// Every SQL Server session is told the date order of the program's literals
// before anything else runs on it, whatever language the login brings.
#include "ConGrabador.h"

namespace {

class OrdenFechas : public ConGrabador {
 protected:
  // The calls of one open, from its "Abrir" on.
  std::vector<std::string> Apertura(const std::string& servidor) {
    db.gCnn->Close();
    db.gServidor = servidor;
    grabacion->Limpiar();
    db.OpenServerADODB(false, 3, "", true, true);
    std::vector<std::string> l = grabacion->Llamadas();
    const auto abrir = std::find_if(l.begin(), l.end(), [](const std::string& s) { return s.rfind("Abrir ", 0) == 0; });
    l.erase(l.begin(), abrir);
    return l;
  }
};

TEST_F(OrdenFechas, EsLoPrimeroQueRecibeCadaSesionDeSqlServer) {
  const auto l = Apertura("srv");
  ASSERT_GE(l.size(), 2u);
  EXPECT_EQ(l[1], "SET DATEFORMAT dmy");
  EXPECT_EQ(grabacion->Sentencias().front(), "SET DATEFORMAT dmy");
  // The reconnect opens a new session: told again.
  grabacion->Limpiar();
  db.ReintentaConectar();
  EXPECT_EQ(grabacion->Sentencias(), (std::vector<std::string>{"SET DATEFORMAT dmy"}));
}

TEST_F(OrdenFechas, OtrosMotoresNoLaReciben) {
  for (const char* servidor : {"ora#", "sqlite"}) {
    Apertura(servidor);
    const auto s = grabacion->Sentencias();
    EXPECT_EQ(std::count(s.begin(), s.end(), "SET DATEFORMAT dmy"), 0) << servidor;
  }
}

TEST_F(OrdenFechas, UnaSesionSinElOrdenNoSeUsa) {
  grabacion->Responder("SET DATEFORMAT", RespuestaGrabada::Falla(ado::ErrorEnComando, 2741, "42000",
                                                                 "SET DATEFORMAT date order 'dmy' is invalid."));
  db.gCnn->Close();
  db.OpenServerADODB(false, 3, "", false, false);
  EXPECT_FALSE(db.gOpenFlag);
  EXPECT_EQ(db.gCnn->State(), estado_objeto::Cerrado);
  EXPECT_EQ(db.gCnn->Errors.Item(0).nativo, 2741);
}

}  // namespace
