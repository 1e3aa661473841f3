#include "unifier/frmInterfaceVorna.h"

#include "services/Configuracion.h"
#include "services/EstadoVentana.h"
#include "services/FechaServidor.h"
#include "sivlib/CamposVentana.h"
#include "sivlib/Operador.h"
#include "sivlib/PreparacionVentana.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "unifier/ClavesVorna.h"

namespace {

ControlVentana Marco(std::string nombre, std::string titulo) {
  return ControlDeTipo(std::move(nombre), "Frame", std::move(titulo));
}

ControlVentana ConAyuda(ControlVentana c, std::string ayuda) {
  c.ayuda = std::move(ayuda);
  return c;
}

ControlVentana ConTexto(ControlVentana c, std::string texto, int largoMaximo) {
  c.texto = std::move(texto);
  c.largoMaximo = largoMaximo;
  return c;
}

// Longest path the platform's folder chooser returns.
constexpr size_t kLargoRuta = 260;

}  // namespace

frmInterfaceVorna::frmInterfaceVorna()
    : ventana_("frmInterfaceVorna"),
      marcoPropio_(ventana_),
      barraPropia_(PanelesEstandar()),
      marco_(&marcoPropio_),
      barra_(&barraPropia_) {
  ventana_.caption = "UNIFICADOR DE DATOS - V.E.L.T.A. -  CTA. 21101010029 ";
  ventana_.Agregar(Boton("cmdTarea", "Configurar  Tarea"));
  ventana_.Agregar(Casilla("chkTodos", "Generar Todos"));
  ventana_.Agregar(Marco("Frame1", "Tipo"));
  ventana_.Agregar(Casilla("chkClientes", "Clientes"));
  ventana_.Agregar(Casilla("chkRuta", "Ruta"));
  ventana_.Agregar(Casilla("chkStock", "Stock"));
  ventana_.Agregar(Casilla("chkVentas", "Ventas"));
  ventana_.Agregar(Marco("Frame2", ""));
  ventana_.Agregar(ConAyuda(Boton("CmdDestino", ">>>"), "Elegir"));
  ventana_.Agregar(ConAyuda(ConTexto(CajaTexto("TxtFields", 3, "Carpeta"), "C:\\", vorna::kLargoCarpeta),
                            "Carpeta donde se guarda el archivo "));
  ventana_.Agregar(Etiqueta("Label1", 3, "Carpeta destino"));
  ventana_.Agregar(Marco("FrmSIAPCITIVentas", "Parametros"));
  ventana_.Agregar(ConTexto(CajaTexto("TxtFields", 0, "FECHA_DESDE", "FECHA"), "01/01/2016", vorna::kLargoFecha));
  ventana_.Agregar(Etiqueta("Label1", 0, "Fecha Desde"));
  ventana_.Agregar(ConTexto(CajaTexto("TxtFields", 1, "FECHA_HASTA", "FECHA"), "01/01/2017", vorna::kLargoFecha));
  ventana_.Agregar(Etiqueta("Label1", 1, "Fecha Hasta"));
  ventana_.Agregar(ControlDeTipo("Barrix1", "Barrix"));
  ventana_.Agregar(ControlDeTipo("sbStatusBar", "StatusBar"));
  ventana_.Agregar(Etiqueta("lblInfo", -1, "..."));
}

ControlVentana& frmInterfaceVorna::TxtFields(int indice) { return *ventana_.Control("TxtFields", indice); }

ControlVentana& frmInterfaceVorna::Control(const std::string& nombre) { return *ventana_.Control(nombre); }

void frmInterfaceVorna::Form_Load() {
  PrepararVentana(ventana_, false);
  AplicarMarcoVentana(*marco_);
  PrepararBarraEstado(*barra_, "");
  if (PrepararBarraHerramientas) PrepararBarraHerramientas();
  AbrirVentana(ventana_, "");
  RestaurarEstadoVentana(ventana_, "", "");
  FijarFechasDelServidor();
  // The folder the daily run delivers into, rather than the design text
  // "C:\" or the last folder this user picked.
  const std::string guardada = Cfg(vorna::ClaveCarpetaDestino());
  if (!texto::Recortado(guardada).empty()) ventana_.FijarTexto(TxtFields(3), guardada);
}

void frmInterfaceVorna::FijarFechasDelServidor() {
  const FechaHora ahora = FechaServidor();
  ventana_.FijarTexto(TxtFields(1), ahora.Regional());
  ventana_.FijarTexto(TxtFields(0), ahora.MasDias(-4).Regional());
}

void frmInterfaceVorna::Form_Unload(int16_t) { Cerrar(); }

void frmInterfaceVorna::Cerrar() {
  GuardarEstadoVentana(ventana_, "", "");
  CerrarVentana(ventana_, "");
  if (TerminarPrograma) TerminarPrograma();
}

void frmInterfaceVorna::Form_KeyDown(int16_t& KeyCode, int16_t Shift) {
  if (TeclaBarraHerramientas) TeclaBarraHerramientas(KeyCode, Shift);
}

void frmInterfaceVorna::TxtFields_GotFocus(int16_t Index) { CampoActual = Index; }

void frmInterfaceVorna::Barrix1_ButtonClick(const std::string& Key) {
  const std::string clave = texto::Mayusculas(Key);
  if (clave == "GRABAR") {
    // The row loop lets window events run: a second "GRABAR" meanwhile
    // would write into the temporary file of the same second.
    if (!enCurso_) ActualizarDatos();
  } else if (clave == "CONSULTAR") {
    CmdConsultar();
  } else if (clave == "CERRAR") {
    Cerrar();
  }
  // "NUEVO", "BORRAR" and any other key: nothing.
}

std::string frmInterfaceVorna::BrowseForDirectory(intptr_t) {
  std::string carpeta = operador().ElegirCarpeta("Seleccionar Directorio", texto::Recortado(TxtFields(3).texto));
  if (const size_t nulo = carpeta.find('\0'); nulo != std::string::npos) carpeta.resize(nulo);
  if (carpeta.size() > kLargoRuta) carpeta.resize(kLargoRuta);
  if (carpeta.empty()) return "";
  return ConBarraFinal(carpeta);
}

void frmInterfaceVorna::CmdDestino_Click() {
  const std::string carpeta = BrowseForDirectory();
  if (!carpeta.empty()) ventana_.FijarTexto(TxtFields(3), carpeta);
}

void frmInterfaceVorna::cmdTarea_Click() {
  Grabar();
  if (AbrirTareaProgramada) AbrirTareaProgramada();
}

void frmInterfaceVorna::Grabar() {
  vorna::GrabarDato(vorna::ClaveCarpetaDestino(), texto::Recortado(TxtFields(3).texto));
}

void frmInterfaceVorna::CmdConsultar() {
  ControlVentana* caja = ventana_.Control("TxtFields", CampoActual);
  if (!caja) return;
  if (texto::IgualesSinCaso(texto::Recortado(caja->tipoDato), "FECHA")) {
    const std::string fecha = texto::Recortado(ElegirFecha(caja->texto));
    // A cancelled picker leaves the date the operator had.
    if (!fecha.empty()) ventana_.FijarTexto(*caja, fecha);
    return;
  }
  if (ControlVentana* porClave = ventana_.Control("TxtFields", IndiceCampo(caja->tag, ventana_)))
    ventana_.FijarTexto(*porClave, "");
  ventana_.FijarTexto(*caja, "");
}
