// Window chrome and status bar on their GUI-free descriptions.
#include "support/BaseDePrueba.h"
#include "services/BarraEstado.h"
#include "services/MarcoVentana.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class BarraEstado : public ConBaseSqlite {
 protected:
  ModeloBarraEstado barra{PanelesEstandar()};
};

TEST_F(BarraEstado, FirstCallFillsEveryPanelAndCreatesTheCashBox) {
  gCaja = "";
  PrepararBarraEstado(barra, "");
  EXPECT_EQ(gCaja, "1");
  EXPECT_EQ(Consultar("SELECT IdCajas, Descripcion FROM V_TA_Cajas"), (Filas{{"   1", "CAJA 1"}}));
  EXPECT_EQ(barra.Texto("MENSAJE"), "");
  EXPECT_EQ(barra.Texto("SERVER"), "Srv: sqlite");
  EXPECT_EQ(barra.Texto("USUARIO"), "Uid: ana");
  EXPECT_EQ(barra.Texto("BASEDEDATOS"), "Db: " + base);
  EXPECT_EQ(barra.Texto("CAJA"), "1 CAJA 1");
  EXPECT_EQ(barra.Texto("VERSION").substr(0, 2), "V.");
  for (const char* clave : {"SERVER", "USUARIO", "BASEDEDATOS", "CAJA"})
    EXPECT_EQ(barra.Panel(clave)->ayuda, barra.Texto(clave)) << clave;
  EXPECT_EQ(barra.Panel("VERSION")->ayuda, "");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(BarraEstado, AnExistingCashBoxKeepsItsDescription) {
  Ejecutar("INSERT INTO V_TA_Cajas VALUES ('   3', 'Mostrador')");
  gCaja = "3";
  PrepararBarraEstado(barra, "listo");
  EXPECT_EQ(barra.Texto("CAJA"), "3 Mostrador");
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM V_TA_Cajas"), (Filas{{"1"}}));
}

TEST_F(BarraEstado, RestrictedUsersReadTheRestrictedView) {
  Ejecutar("INSERT INTO V_TA_Cajas VALUES ('   1', 'Principal')");
  db.gEsAdmin = false;
  PrepararBarraEstado(barra, "");
  EXPECT_EQ(barra.Texto("CAJA"), "1 Principal");
}

TEST_F(BarraEstado, SecondCallOnlyChangesTheMessage) {
  PrepararBarraEstado(barra, "uno");
  Ejecutar("DELETE FROM V_TA_Cajas");
  db.gUsuario = "otro";
  PrepararBarraEstado(barra, "dos");
  EXPECT_EQ(barra.Texto("MENSAJE"), "dos");
  EXPECT_EQ(barra.Texto("USUARIO"), "Uid: ana");
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM V_TA_Cajas"), (Filas{{"0"}}));
}

TEST_F(BarraEstado, PanelsTheBarLacksAreSkipped) {
  ModeloBarraEstado corta({"MENSAJE", "CAJA"});
  PrepararBarraEstado(corta, "hola");
  EXPECT_EQ(corta.Texto("MENSAJE"), "hola");
  EXPECT_EQ(corta.Texto("CAJA"), "1 CAJA 1");
  EXPECT_FALSE(corta.TienePanel("SERVER"));
}

TEST_F(BarraEstado, CashBoxCodeWithAnApostropheIsStoredAsGiven) {
  gCaja = "9'";
  PrepararBarraEstado(barra, "");
  EXPECT_EQ(Consultar("SELECT IdCajas, Descripcion FROM V_TA_Cajas"), (Filas{{"  9'", "CAJA 9'"}}));
  EXPECT_EQ(barra.Texto("CAJA"), "9' CAJA 9'");
}

class BarraEstadoSentencias : public ConGrabador {};

TEST_F(BarraEstadoSentencias, CashBoxLookupAndInsertTexts) {
  ResponderFilas("SELECT", {{"Descripcion", tipo_ado::VarWChar}}, {});
  ModeloBarraEstado barra(PanelesEstandar());
  PrepararBarraEstado(barra, "");
  EXPECT_EQ(Sentencias(), (std::vector<std::string>{
                              "SELECT TOP 1 * FROM V_TA_Cajas with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='1' ",
                              "INSERT INTO V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('   1','CAJA 1')",
                              "SELECT TOP 1 * FROM V_TA_Cajas with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='1' ",
                          }));
}

// A window described without widgets: what it was asked to do.
class MarcoDePrueba : public MarcoVentana {
 public:
  std::string tipo = "frmInterfaceVorna";
  bool hayRecurso = true, hayArchivo = true;
  std::vector<std::string> barras = {"Barrix1", "Util0011"};
  std::vector<std::string> hechos;
  bool icono = false;

  bool FijarIconoRecurso(const std::string& r) override {
    hechos.push_back("recurso " + r);
    return icono = hayRecurso;
  }
  bool TieneIcono() const override { return icono; }
  bool CargarIconoArchivo(const std::string& ruta) override {
    hechos.push_back("archivo " + ruta);
    return icono = hayArchivo;
  }
  std::string NombreTipo() const override { return tipo; }
  bool FijarEstiloBarra(const std::string& barra, int estilo) override {
    for (const std::string& b : barras)
      if (b == barra) {
        hechos.push_back("estilo " + barra + " " + std::to_string(estilo));
        return true;
      }
    return false;
  }
};

TEST(MarcoVentana, IconThenToolbarStylesThenEvents) {
  OperadorDePrueba op;
  gBarrasPlanas = 1;
  MarcoDePrueba m;
  AplicarMarcoVentana(m);
  EXPECT_EQ(m.hechos, (std::vector<std::string>{"recurso ICONPRAXEL", "estilo Barrix1 1", "estilo Util0011 1"}));
  EXPECT_EQ(op->Eventos(), 1);
  gBarrasPlanas = 0;
}

TEST(MarcoVentana, WithoutTheResourceTheIconFileIsTried) {
  OperadorDePrueba op;
  MarcoDePrueba m;
  m.hayRecurso = false;
  m.tipo = "FrmMdi";
  AplicarMarcoVentana(m);
  EXPECT_EQ(m.hechos, (std::vector<std::string>{"recurso ICONPRAXEL", "archivo praxel.ico"}))
      << "the MDI frame keeps its toolbar styles";
  EXPECT_EQ(op->Eventos(), 0) << "and stops before letting events run";
}

}  // namespace
