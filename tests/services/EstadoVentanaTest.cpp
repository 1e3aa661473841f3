// Window state saved and restored through the window model, without a
// display: on a real embedded database, and the statement texts on the
// recording engine.
#include "support/BaseDePrueba.h"
#include "services/EstadoVentana.h"
#include "sivlib/ValoresGlobales.h"

namespace {

// A control as the window designer leaves it.
ControlVentana Ctl(std::string nombre, std::string tipo, int indice = -1, std::string dataField = {},
                   std::string texto = {}, int valor = 0, std::vector<std::string> lista = {}) {
  ControlVentana c;
  c.nombre = std::move(nombre);
  c.tipo = std::move(tipo);
  c.indice = indice;
  c.dataField = std::move(dataField);
  c.texto = std::move(texto);
  c.valor = valor;
  c.lista = std::move(lista);
  c.listIndex = c.lista.empty() ? -1 : 0;
  return c;
}

// A window like the unifier's: keyed text boxes, check boxes, an option
// group, combo boxes and a label.
void Disenar(ModeloVentana& v) {
  v.Agregar(Ctl("TxtFields", "TextBox", 0, "Codigo", "A01", 0));
  v.Agregar(Ctl("TxtFields", "TextBox", 1, "Destino", "/srv/vorna", 0));
  v.Agregar(Ctl("chkVTA", "CheckBox", -1, "VTA", "", 0));
  v.Agregar(Ctl("chkDatos", "CheckBox", 2, "x", "", 0));
  v.Agregar(Ctl("optModo", "OptionButton", 1, "", "", 0));
  v.Agregar(Ctl("optSolo", "OptionButton", -1, "", "", 0));
  v.Agregar(Ctl("CboFormato", "ComboBox", -1, "Formato", "", 0, {"csv", "txt", "xls"}));
  v.Agregar(Ctl("CboPlantilla", "ComboBox", -1, "", "", 0, {"a", "b"}));
  v.Agregar(Ctl("lblInfo", "Label", -1, "", "design", 0));
}

// The operator's edits.
void Editar(ModeloVentana& v) {
  v.FijarTexto(*v.Control("TxtFields", 0), "B02");
  v.FijarTexto(*v.Control("TxtFields", 1), "  /srv/otra carpeta  ");
  v.FijarValor(*v.Control("chkVTA"), 1);
  v.FijarValor(*v.Control("chkDatos", 2), 2);
  v.FijarValor(*v.Control("optModo", 1), 1);
  v.FijarValor(*v.Control("optSolo"), 1);
  v.FijarListIndex(*v.Control("CboFormato"), 2);
  v.FijarListIndex(*v.Control("CboPlantilla"), 1);
  v.FijarTexto(*v.Control("lblInfo"), "changed");
}

class EstadoVentana : public ConBaseSqlite {
 protected:
  Filas Guardadas() {
    return Consultar(
        "SELECT FORMULARIO, USUARIO, TIPOOBJETO, NOMBRE, PROPIEDAD, DATAFIELD, VALOR FROM TA_CONFIG_FORM "
        "ORDER BY id");
  }
};

TEST_F(EstadoVentana, SavedRowsFollowTheControlKinds) {
  ModeloVentana v("frmInterfaceVorna");
  Disenar(v);
  Editar(v);
  GuardarEstadoVentana(v);
  EXPECT_EQ(Guardadas(),
            (Filas{
                {"frmInterfaceVorna", "ana", "TextBox", "TxtFields", "Text", "Destino", "  /srv/otra carpeta  "},
                {"frmInterfaceVorna", "ana", "CheckBox", "chkVTA", "Value", "VTA", "1"},
                {"frmInterfaceVorna", "ana", "CheckBox", "chkDatos", "Value", "2", "2"},
                {"frmInterfaceVorna", "ana", "OptionButton", "optModo", "Value", "1", "Verdadero"},
                {"frmInterfaceVorna", "ana", "OptionButton", "optSolo", "Value", "optSolo", "Verdadero"},
                {"frmInterfaceVorna", "ana", "ComboBox", "CboFormato", "ListIndex", "Formato", "2"},
                {"frmInterfaceVorna", "ana", "ComboBox", "CboPlantilla", "ListIndex", "", "1"},
            }))
      << "TxtFields(0) bound to Codigo holds the record key and is never saved";
}

TEST_F(EstadoVentana, OnlyTheFirstBoxOfTxtFieldsHoldsTheRecordKey) {
  ModeloVentana v("frmX");
  v.Agregar(Ctl("TxtFields", "TextBox", 0, "Cuenta", "k1"));
  v.Agregar(Ctl("txtfields", "TextBox", 0, "IdCliente", "k2"));
  v.Agregar(Ctl("TxtFields", "TextBox", 0, "idZona", "k3"));
  v.Agregar(Ctl("TxtFields", "TextBox", 0, "CODIGO", "k4"));
  v.Agregar(Ctl("TxtFields", "TextBox", 0, "Nombre", "n0"));
  v.Agregar(Ctl("TxtFields", "TextBox", 1, "Codigo", "c1"));
  v.Agregar(Ctl("TxtOtro", "TextBox", 0, "Codigo", "o0"));
  GuardarEstadoVentana(v);
  EXPECT_EQ(Consultar("SELECT NOMBRE, DATAFIELD, VALOR FROM TA_CONFIG_FORM ORDER BY id"),
            (Filas{{"TxtFields", "Nombre", "n0"}, {"TxtFields", "Codigo", "c1"}, {"TxtOtro", "Codigo", "o0"}}));
}

TEST_F(EstadoVentana, RestoredForTheSameUserOnly) {
  {
    ModeloVentana v("frmInterfaceVorna");
    Disenar(v);
    Editar(v);
    GuardarEstadoVentana(v);
  }
  ModeloVentana mismo("frmInterfaceVorna");
  Disenar(mismo);
  RestaurarEstadoVentana(mismo);
  EXPECT_EQ(mismo.Control("TxtFields", 0)->texto, "A01");
  EXPECT_EQ(mismo.Control("TxtFields", 1)->texto, "/srv/otra carpeta") << "restored trimmed";
  EXPECT_EQ(mismo.Control("chkVTA")->valor, 1);
  EXPECT_EQ(mismo.Control("chkDatos", 2)->valor, 2);
  EXPECT_EQ(mismo.Control("optModo", 1)->valor, 1);
  EXPECT_EQ(mismo.Control("optSolo")->valor, 1);
  EXPECT_EQ(mismo.Control("CboFormato")->listIndex, 2);
  EXPECT_EQ(mismo.Control("CboPlantilla")->listIndex, 0) << "the template combo is never restored";
  EXPECT_EQ(mismo.Control("lblInfo")->texto, "design");

  gUsuarioLogeado = "pedro";
  ModeloVentana otro("frmInterfaceVorna");
  Disenar(otro);
  RestaurarEstadoVentana(otro);
  EXPECT_EQ(otro.Control("chkVTA")->valor, 0);
  EXPECT_EQ(otro.Control("TxtFields", 1)->texto, "/srv/vorna");
  EXPECT_EQ(otro.Control("CboFormato")->listIndex, 0);
}

TEST_F(EstadoVentana, RestoringNotifiesTheWindow) {
  ModeloVentana v("frmX");
  Disenar(v);
  Editar(v);
  GuardarEstadoVentana(v);
  ModeloVentana w("frmX");
  Disenar(w);
  std::vector<std::string> avisados;
  w.AlCambiar([&](const ControlVentana& c) { avisados.push_back(c.nombre); });
  RestaurarEstadoVentana(w);
  EXPECT_EQ(avisados,
            (std::vector<std::string>{"TxtFields", "chkVTA", "chkDatos", "optModo", "optSolo", "CboFormato"}));
}

TEST_F(EstadoVentana, SavingTwiceKeepsOneSetOfRows) {
  ModeloVentana v("frmX");
  Disenar(v);
  GuardarEstadoVentana(v);
  Editar(v);
  GuardarEstadoVentana(v);
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM TA_CONFIG_FORM"), (Filas{{"7"}}));
  EXPECT_EQ(Consultar("SELECT VALOR FROM TA_CONFIG_FORM WHERE NOMBRE = 'chkVTA'"), (Filas{{"1"}}));
}

TEST_F(EstadoVentana, SuffixWithAtIsSharedByEveryUser) {
  ModeloVentana v("frmX");
  Disenar(v);
  Editar(v);
  GuardarEstadoVentana(v, "@Vorna");
  EXPECT_EQ(Consultar("SELECT DISTINCT FORMULARIO, USUARIO FROM TA_CONFIG_FORM"), (Filas{{"frmX@Vorna", ""}}));
  gUsuarioLogeado = "pedro";
  ModeloVentana w("frmX");
  Disenar(w);
  RestaurarEstadoVentana(w, "@Vorna");
  EXPECT_EQ(w.Control("chkVTA")->valor, 1);
  RestaurarEstadoVentana(w, "");
  EXPECT_EQ(w.Control("chkVTA")->valor, 1) << "nothing stored under the plain key: unchanged";
}

TEST_F(EstadoVentana, LongWindowKeyIsStoredLookedUpAndDeletedWithItsFirstHundred) {
  const std::string largo(120, 'k');
  ModeloVentana v(largo);
  Disenar(v);
  Editar(v);
  GuardarEstadoVentana(v);
  EXPECT_EQ(Consultar("SELECT DISTINCT length(FORMULARIO) FROM TA_CONFIG_FORM"), (Filas{{"100"}}));
  ModeloVentana w(largo);
  Disenar(w);
  RestaurarEstadoVentana(w);
  EXPECT_EQ(w.Control("chkVTA")->valor, 1);
  GuardarEstadoVentana(w);
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM TA_CONFIG_FORM"), (Filas{{"7"}}));
}

TEST_F(EstadoVentana, ApostrophesInValuesAndNamesAreStoredAsTyped) {
  gUsuarioLogeado = "o'neill";
  ModeloVentana v("frm'X");
  v.Agregar(Ctl("TxtFields", "TextBox", 1, "Nota", "it's' OR '1'='1", 0));
  GuardarEstadoVentana(v);
  EXPECT_EQ(Guardadas(), (Filas{{"frm'X", "o'neill", "TextBox", "TxtFields", "Text", "Nota", "it's' OR '1'='1"}}));
  v.FijarTexto(*v.Control("TxtFields", 1), "");
  RestaurarEstadoVentana(v);
  EXPECT_EQ(v.Control("TxtFields", 1)->texto, "it's' OR '1'='1");
  GuardarEstadoVentana(v);
  EXPECT_EQ(Consultar("SELECT COUNT(*) FROM TA_CONFIG_FORM"), (Filas{{"1"}}));
}

TEST_F(EstadoVentana, OneControlByNameOrTypeName) {
  ModeloVentana v("frmX");
  Disenar(v);
  Editar(v);
  GuardarEstadoVentana(v);
  v.FijarValor(*v.Control("chkVTA"), 0);
  v.FijarListIndex(*v.Control("CboFormato"), 1);
  GuardarEstadoVentana(v, "", "chkVTA");
  EXPECT_EQ(Consultar("SELECT NOMBRE, VALOR FROM TA_CONFIG_FORM WHERE TIPOOBJETO IN ('CheckBox','ComboBox') "
                      "ORDER BY NOMBRE"),
            (Filas{{"CboFormato", "2"}, {"CboPlantilla", "1"}, {"chkDatos", "2"}, {"chkVTA", "0"}}))
      << "only chkVTA's rows are replaced";
  v.FijarValor(*v.Control("chkDatos", 2), 1);
  GuardarEstadoVentana(v, "", "CheckBox");
  EXPECT_EQ(Consultar("SELECT NOMBRE, VALOR FROM TA_CONFIG_FORM WHERE TIPOOBJETO = 'CheckBox' ORDER BY NOMBRE"),
            (Filas{{"chkDatos", "1"}, {"chkVTA", "0"}}))
      << "by type name every check box is replaced, none is kept twice";

  ModeloVentana w("frmX");
  Disenar(w);
  RestaurarEstadoVentana(w, "", "CboFormato");
  EXPECT_EQ(w.Control("CboFormato")->listIndex, 2);
  EXPECT_EQ(w.Control("chkDatos", 2)->valor, 0) << "only the named control is restored";
}

TEST_F(EstadoVentana, StoredValuesThatDoNotFitLeaveTheControlAsItWas) {
  Ejecutar(
      "INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES "
      "('frmX','ana','CheckBox','chkVTA','Value','VTA','x'),"
      "('frmX','ana','ComboBox','CboFormato','ListIndex','Formato','7'),"
      "('frmX','ana','OptionButton','optSolo','Value','optSolo','quizas'),"
      "('frmX','ana','TextBox','TxtFields','Text','Destino',NULL)");
  ModeloVentana w("frmX");
  Disenar(w);
  RestaurarEstadoVentana(w);
  EXPECT_EQ(w.Control("chkVTA")->valor, 0);
  EXPECT_EQ(w.Control("CboFormato")->listIndex, 0);
  EXPECT_EQ(w.Control("optSolo")->valor, 0);
  EXPECT_EQ(w.Control("TxtFields", 1)->texto, "") << "a null text reads as empty";
  EXPECT_TRUE(op->Mensajes().empty());
}

class EstadoVentanaSentencias : public ConGrabador {};

TEST_F(EstadoVentanaSentencias, StatementTexts) {
  ResponderFilas("SELECT", {{"VALOR", tipo_ado::VarWChar}}, {});
  ModeloVentana v("frmInterfaceVorna");
  v.Agregar(Ctl("TxtFields", "TextBox", 1, "Destino", "c:\\x", 0));
  v.Agregar(Ctl("chkVTA", "CheckBox", -1, "VTA", "", 1));
  GuardarEstadoVentana(v);
  GuardarEstadoVentana(v, "", "chkVTA");
  RestaurarEstadoVentana(v, "", "chkVTA");
  EXPECT_EQ(
      Sentencias(),
      (std::vector<std::string>{
          "DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'frmInterfaceVorna' AND USUARIO= 'ana'",
          "INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES "
          "('frmInterfaceVorna','ana','TextBox','TxtFields','Text','Destino','c:\\x')",
          "INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES "
          "('frmInterfaceVorna','ana','CheckBox','chkVTA','Value','VTA','1')",
          "DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'frmInterfaceVorna' AND USUARIO= 'ana' and Nombre = 'chkVTA'",
          "INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES "
          "('frmInterfaceVorna','ana','CheckBox','chkVTA','Value','VTA','1')",
          "SELECT * FROM TA_CONFIG_FORM  with(nolock)  WHERE FORMULARIO = 'frmInterfaceVorna' AND USUARIO = 'ana' "
          "AND TIPOOBJETO = 'CheckBox' AND NOMBRE='chkVTA' AND DATAFIELD='VTA' AND PROPIEDAD='Value' order by id",
      }));
}

}  // namespace
