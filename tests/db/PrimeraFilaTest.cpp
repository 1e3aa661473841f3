// A failure while the first row is read (a time-out or a dropped connection
// right after the query starts) is a failure of the read, never an empty
// result: it reaches the provider error list and the error handling of
// each lookup.
#include "ConGrabador.h"

namespace {

class PrimeraFila : public ConGrabador {
 protected:
  // The statements naming `tabla` fail at their first fetch, `veces` times
  // (always by default), then read one row.
  void FallaAlLeer(const std::string& tabla, long numero, const char* estado, const char* texto, int veces = -1) {
    grabacion->Responder(
        tabla, RespuestaGrabada::FallaAlLeer({{"x", tipo_ado::VarWChar}}, {}, numero, 0, estado, texto), veces);
    Filas(tabla, {{"x", tipo_ado::VarWChar}}, {{Variant("valor")}});
  }
  bool Reconecto() {
    const auto l = grabacion->Llamadas();
    return std::find(l.begin(), l.end(), "Cerrar") != l.end();
  }
};

TEST_F(PrimeraFila, UnTiempoAgotadoVaAlDialogoSinReconectar) {
  FallaAlLeer("FROM LENTA", ado::TiempoAgotado, "HYT00", "Query timeout expired");
  op->ResponderMensaje(3);
  Recordset rs;
  db.AbrirRecordset("SELECT x FROM LENTA", rs);
  EXPECT_EQ(rs.State(), estado_objeto::Cerrado);
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].texto, "Ha ocurrido el Siguiente Error (-2147217871) Query timeout expired");
  EXPECT_FALSE(Reconecto());
  ASSERT_EQ(db.gCnn->Errors.Count(), 1);
  EXPECT_EQ(db.gCnn->Errors.Item(0).estadoSql, "HYT00");
}

TEST_F(PrimeraFila, UnaConexionCaidaSeReabreYLaLecturaSeRepite) {
  FallaAlLeer("FROM CAIDA", ado::ErrorNoEspecificado, "08S01", "Communication link failure", 1);
  Recordset rs;
  db.AbrirRecordset("SELECT x FROM CAIDA", rs);
  EXPECT_TRUE(Reconecto());
  ASSERT_EQ(rs.State(), estado_objeto::Abierto);
  EXPECT_EQ(rs.Valor("x").Texto(), "valor");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(PrimeraFila, LasBusquedasNoContestanVacioSinoConSuDialogo) {
  // ExisteEnTabla: its dialog; Retry reads again and finds the row.
  FallaAlLeer("FROM CLIENTES", ado::TiempoAgotado, "HYT00", "Query timeout expired", 1);
  op->ResponderMensaje(4);
  EXPECT_TRUE(db.ExisteEnTabla("CLIENTES", "C1", "codigo", nullptr, 8));
  ASSERT_EQ(op->Mensajes().size(), 1u);
  EXPECT_EQ(op->Mensajes()[0].titulo, "Aviso al Operador");
  EXPECT_EQ(op->Mensajes()[0].texto, "Query timeout expired");
  // Abort: false, as the Part's handling gives it.
  op->Limpiar();
  FallaAlLeer("FROM ZONAS", ado::TiempoAgotado, "HYT00", "Query timeout expired");
  op->ResponderMensaje(3);
  EXPECT_FALSE(db.ExisteEnTabla("ZONAS", "Z1", "codigo", nullptr, 8));
  EXPECT_EQ(op->Mensajes().size(), 1u);
  // DatosTabla: the reader's dialog, then the lookup's own; no value at all,
  // not the empty text of a missing row.
  op->Limpiar();
  op->ResponderMensaje(3);
  op->ResponderMensaje(3);
  const Variant v = db.DatosTabla("ZONAS", "Z1", "x", "codigo", 8);
  EXPECT_TRUE(v.EsVacio());
  EXPECT_EQ(op->Mensajes().size(), 2u);
}

}  // namespace
