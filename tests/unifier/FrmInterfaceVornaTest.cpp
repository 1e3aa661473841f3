// The main window's model: its controls, load and close steps, toolbar,
// folder chooser, date picker and the destination folder setting.
#include "unifier/frmInterfaceVorna.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "sivlib/Entorno.h"
#include "sivlib/FechaHora.h"
#include "sivlib/PreparacionVentana.h"
#include "sivlib/Texto.h"
#include "sivlib/ValoresGlobales.h"
#include "support/BaseDePrueba.h"
#include "support/RelojDePrueba.h"

namespace {

class VentanaVorna : public ConBaseSqlite {
 protected:
  RelojDePrueba reloj;
  frmInterfaceVorna ventana;
};

TEST_F(VentanaVorna, ControlesConSusTextosClavesYTiposDeDato) {
  EXPECT_EQ(ventana.Ventana().Nombre(), "frmInterfaceVorna");
  EXPECT_EQ(ventana.Ventana().caption, "UNIFICADOR DE DATOS - V.E.L.T.A. -  CTA. 21101010029 ");
  struct Esperado {
    const char* nombre;
    int indice;
    const char* tipo;
    const char* texto;
    const char* tag;
    const char* tipoDato;
    const char* ayuda;
    int largo;
  };
  const Esperado esperados[] = {
      {"cmdTarea", -1, "CommandButton", "Configurar  Tarea", "", "", "", 0},
      {"chkTodos", -1, "CheckBox", "Generar Todos", "", "", "", 0},
      {"chkClientes", -1, "CheckBox", "Clientes", "", "", "", 0},
      {"chkRuta", -1, "CheckBox", "Ruta", "", "", "", 0},
      {"chkStock", -1, "CheckBox", "Stock", "", "", "", 0},
      {"chkVentas", -1, "CheckBox", "Ventas", "", "", "", 0},
      {"CmdDestino", -1, "CommandButton", ">>>", "", "", "Elegir", 0},
      {"TxtFields", 3, "TextBox", "C:\\", "Carpeta", "", "Carpeta donde se guarda el archivo ", 250},
      {"Label1", 3, "Label", "Carpeta destino", "", "", "", 0},
      {"FrmSIAPCITIVentas", -1, "Frame", "Parametros", "", "", "", 0},
      {"TxtFields", 0, "TextBox", "01/01/2016", "FECHA_DESDE", "FECHA", "", 10},
      {"Label1", 0, "Label", "Fecha Desde", "", "", "", 0},
      {"TxtFields", 1, "TextBox", "01/01/2017", "FECHA_HASTA", "FECHA", "", 10},
      {"Label1", 1, "Label", "Fecha Hasta", "", "", "", 0},
      {"lblInfo", -1, "Label", "...", "", "", "", 0},
  };
  for (const auto& e : esperados) {
    const ControlVentana* c = ventana.Ventana().Control(e.nombre, e.indice);
    ASSERT_NE(c, nullptr) << e.nombre << " " << e.indice;
    EXPECT_EQ(c->tipo, e.tipo) << e.nombre;
    EXPECT_EQ(c->texto, e.texto) << e.nombre;
    EXPECT_EQ(c->tag, e.tag) << e.nombre;
    EXPECT_EQ(c->tipoDato, e.tipoDato) << e.nombre;
    EXPECT_EQ(c->ayuda, e.ayuda) << e.nombre;
    EXPECT_EQ(c->largoMaximo, e.largo) << e.nombre;
  }
  // The text boxes form one family with indices 0, 1 and 3.
  std::vector<int> indices;
  for (auto* c : ventana.Ventana().Familia("TxtFields")) indices.push_back(c->indice);
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 3}));
  // The two frames around the data sets and the folder.
  int marcos = 0;
  for (const auto& c : ventana.Ventana().Controles()) marcos += c.tipo == "Frame";
  EXPECT_EQ(marcos, 3);
  EXPECT_EQ(ventana.CampoActual, 0);
}

TEST_F(VentanaVorna, AlCargarRestauraElEstadoYTomaLasFechasDelServidor) {
  // A first session ticks two boxes, types dates and a folder, and closes.
  {
    frmInterfaceVorna primera;
    primera.Form_Load();
    primera.Ventana().FijarValor(primera.Control("chkStock"), 1);
    primera.Ventana().FijarValor(primera.Control("chkRuta"), 1);
    primera.Ventana().FijarTexto(primera.TxtFields(0), "01/01/2020");
    primera.Ventana().FijarTexto(primera.TxtFields(3), "/srv/vorna/");
    primera.Form_Unload();
  }
  gBarrasPlanas = 1;
  bool barraPreparada = false;
  ventana.PrepararBarraHerramientas = [&] { barraPreparada = true; };
  ventana.Form_Load();

  EXPECT_EQ(ventana.Control("chkStock").valor, 1);
  EXPECT_EQ(ventana.Control("chkRuta").valor, 1);
  EXPECT_EQ(ventana.Control("chkVentas").valor, 0);
  EXPECT_EQ(ventana.TxtFields(3).texto, "/srv/vorna/");
  // Whatever was stored, the dates are the server's moment and four days before.
  EXPECT_EQ(ventana.TxtFields(1).texto, reloj.Local().Regional());
  EXPECT_EQ(ventana.TxtFields(0).texto, reloj.Local().MasDias(-4).Regional());
  // The window's chrome: open in the register, toolbar style, status bar, toolbar hook.
  EXPECT_TRUE(VentanaAbierta("frmInterfaceVorna"));
  EXPECT_EQ(ventana.Control("Barrix1").valor, 1);
  EXPECT_FALSE(ventana.sbStatusBar().Texto("USUARIO").empty());
  EXPECT_TRUE(barraPreparada);
}

TEST_F(VentanaVorna, CerrarGuardaElEstadoYTerminaElPrograma) {
  ventana.Form_Load();
  bool terminado = false;
  ventana.TerminarPrograma = [&] { terminado = true; };
  ventana.Ventana().FijarValor(ventana.Control("chkClientes"), 1);
  ventana.Barrix1_ButtonClick("cerrar");
  EXPECT_TRUE(terminado);
  EXPECT_FALSE(VentanaAbierta("frmInterfaceVorna"));
  const Filas filas = Consultar(
      "SELECT VALOR FROM TA_CONFIG_FORM WHERE FORMULARIO='frmInterfaceVorna' AND USUARIO='ana' AND "
      "NOMBRE='chkClientes'");
  EXPECT_EQ(filas, (Filas{{"1"}}));
}

TEST_F(VentanaVorna, NuevoBorrarYOtrasTeclasNoHacenNada) {
  ventana.Form_Load();
  std::vector<std::string> cambios;
  ventana.Ventana().AlCambiar([&](const ControlVentana& c) { cambios.push_back(c.nombre); });
  bool terminado = false;
  ventana.TerminarPrograma = [&] { terminado = true; };
  for (const char* clave : {"NUEVO", "BORRAR", "borrar", "IMPRIMIR", ""}) ventana.Barrix1_ButtonClick(clave);
  EXPECT_TRUE(cambios.empty());
  EXPECT_FALSE(terminado);
  EXPECT_TRUE(op->Mostrados().empty());
  EXPECT_TRUE(Consultar("SELECT * FROM TA_CONFIGURACION WHERE CLAVE='NRO_PAQUETE'").empty());
}

TEST_F(VentanaVorna, ConsultarAlAbrirEligeLaFechaDesde) {
  ventana.Form_Load();
  const std::string hasta = ventana.TxtFields(1).texto;
  op->ResponderTexto(" 15/11/2024 ");
  ventana.Barrix1_ButtonClick("Consultar");
  EXPECT_EQ(ventana.TxtFields(0).texto, "15/11/2024");
  EXPECT_EQ(ventana.TxtFields(1).texto, hasta);
  ASSERT_EQ(op->Mostrados().size(), 1u);
  EXPECT_EQ(op->Mostrados()[0].clase, "Fecha");
  // A cancelled picker leaves the date as it was.
  op->ResponderTexto("");
  ventana.Barrix1_ButtonClick("CONSULTAR");
  EXPECT_EQ(ventana.TxtFields(0).texto, "15/11/2024");
}

TEST_F(VentanaVorna, ConsultarEnLaCarpetaLaVacia) {
  ventana.Form_Load();
  ventana.Ventana().FijarTexto(ventana.TxtFields(3), "/srv/vorna/");
  ventana.TxtFields_GotFocus(1);
  EXPECT_EQ(ventana.CampoActual, 1);
  ventana.TxtFields_GotFocus(3);
  EXPECT_EQ(ventana.CampoActual, 3);
  ventana.Barrix1_ButtonClick("CONSULTAR");
  EXPECT_EQ(ventana.TxtFields(3).texto, "");
  EXPECT_TRUE(op->Mostrados().empty());
}

TEST_F(VentanaVorna, ElSelectorDeCarpetaDejaLaCarpetaConSuSeparadorFinal) {
  op->ResponderTexto("/srv/datos");
  ventana.CmdDestino_Click();
  EXPECT_EQ(ventana.TxtFields(3).texto, "/srv/datos/");
  ASSERT_EQ(op->Mostrados().size(), 1u);
  EXPECT_EQ(op->Mostrados()[0].clase, "Carpeta");
  EXPECT_EQ(op->Mostrados()[0].texto, "Seleccionar Directorio");
  // Cancelled: nothing changes.
  op->ResponderTexto("");
  ventana.CmdDestino_Click();
  EXPECT_EQ(ventana.TxtFields(3).texto, "/srv/datos/");
  // The platform's path limit: 260 characters, then the separator.
  op->ResponderTexto("/" + std::string(299, 'x'));
  EXPECT_EQ(ventana.BrowseForDirectory(), "/" + std::string(259, 'x') + "/");
}

TEST_F(VentanaVorna, ConfigurarTareaGuardaLaCarpetaDeEsteEquipoAunqueSeCancele) {
  ventana.Ventana().FijarTexto(ventana.TxtFields(3), "  /srv/vorna/  ");
  bool tareaAbierta = false;
  ventana.AbrirTareaProgramada = [&] { tareaAbierta = true; };
  ventana.cmdTarea_Click();
  EXPECT_TRUE(tareaAbierta);
  const std::string clave = "UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo());
  EXPECT_EQ(Consultar("SELECT VALOR, GRUPO, POLITICANEGOCIO, IFNULL(VALORAUX, '') FROM TA_CONFIGURACION WHERE "
                      "CLAVE='" +
                      clave + "'"),
            (Filas{{"/srv/vorna/", "DATOS", "0", ""}}));
}

TEST_F(VentanaVorna, LasTeclasVanALaBarraDeHerramientas) {
  std::vector<int> teclas;
  ventana.TeclaBarraHerramientas = [&](int16_t& codigo, int16_t) { teclas.push_back(codigo); };
  int16_t f2 = 113;
  ventana.Form_KeyDown(f2, 0);
  EXPECT_EQ(teclas, (std::vector<int>{113}));
}

}  // namespace
