// Messages below error severity (a trigger's PRINT) reach the provider
// error list but never make the update script roll a good batch back.
#include <algorithm>

#include "services/ActualizarDatoScript.h"
#include "support/BaseDePrueba.h"

namespace {

ErrorProveedor Mensaje(const char* texto, long nativo = 0) { return {"01000", 0, texto, nativo, "x"}; }

class MensajesInformativos : public ConGrabador {
 protected:
  // The batch's answer: what the engine reports, with these records.
  void ResponderLote(long numero, std::vector<ErrorProveedor> registros) {
    RespuestaGrabada r;
    r.resultado.numero = numero;
    r.resultado.descripcion = numero ? registros[1].descripcion : "";
    r.resultado.errores = std::move(registros);
    grabacion->Responder("BEGIN TRANSACTION", r);
  }
  void Correr() {
    GActualizarDatoScript({"UPDATE MA_CLIENTES SET Saldo = 0"}, fallo, codigo, false, false, script, mensaje, false);
  }
  bool fallo = true;
  int32_t codigo = -1;
  std::string script, mensaje;
};

TEST_F(MensajesInformativos, UnPrintDejaElLoteConfirmado) {
  ResponderLote(0, {Mensaje("Saldo copiado al historico")});
  Correr();
  EXPECT_FALSE(fallo);
  EXPECT_EQ(codigo, 0);
  const auto s = Sentencias();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[1], "COMMIT TRANSACTION");
  // Kept where the provider records are kept.
  ASSERT_EQ(db.gCnn->Errors.Count(), 1);
  EXPECT_EQ(db.gCnn->Errors.Item(0).descripcion, "Saldo copiado al historico");
}

TEST_F(MensajesInformativos, UnFalloEntreMensajesSeNombraPorElFallo) {
  ResponderLote(ado::ViolacionIntegridad,
                {Mensaje("Saldo copiado al historico"),
                 {"23000", ado::ViolacionIntegridad, "Violation of PRIMARY KEY constraint 'PK_X'.", 2627, "x"},
                 Mensaje("The statement has been terminated.", 3621)});
  Correr();
  EXPECT_TRUE(fallo);
  EXPECT_EQ(codigo, 2627);
  const auto s = Sentencias();
  EXPECT_NE(std::find(s.begin(), s.end(), "ROLLBACK TRANSACTION"), s.end());
  EXPECT_EQ(std::find(s.begin(), s.end(), "COMMIT TRANSACTION"), s.end());
}

}  // namespace
