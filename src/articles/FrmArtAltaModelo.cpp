#include "articles/FrmArtAltaModelo.h"

#include "services/Configuracion.h"
#include "sivlib/CamposVentana.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

using namespace alta_articulo;

FrmArtAltaModelo::FrmArtAltaModelo() : ventana_("FrmArtAlta") {
  ventana_.caption = "Articulos";
  ventana_.Agregar(Etiqueta("Label1", -1, "El Articulo informado es inexistente...!"));
  ventana_.Agregar(ControlDeTipo("FramAlta", "Frame"));
  ventana_.Agregar(Etiqueta("Label9", -1, "Codigo de Barras"));
  ventana_.Agregar(CajaTexto("TxtFields", 0, "Codigo"));
  ventana_.Agregar(Etiqueta("Label10", -1, "Descripción"));
  ventana_.Agregar(CajaTexto("TxtFields", 1, "Descripcion"));
  ventana_.Agregar(Etiqueta("Label11", -1, "Precio"));
  ventana_.Agregar(CajaTexto("TxtFields", 2, "Precio"));
  ventana_.Agregar(Boton("CmdMaestro", "[F7] Obtener de Base Maestra"));
  ventana_.Agregar(Etiqueta("LblProceso", -1, "..."));
  ventana_.Agregar(Etiqueta("Label2", -1,
                            "Puede obtener los datos desde la base de codigos de barra (F7) o completar los datos y "
                            "pulsar F2 para dar de alta el producto desde esta misma pantalla."));
  ventana_.Agregar(Boton("CmdCancelar", "[ESC] &Cancelar"));
  ventana_.Agregar(Boton("CmdAlta", "[F2] &Alta"));
  ventana_.Agregar(Etiqueta("Label3", -1, "Pulse ESC para cerrar esta pantalla. "));
}

ControlVentana& FrmArtAltaModelo::Caja(std::string_view clave) {
  return *ventana_.Control("TxtFields", IndiceCampo(clave, ventana_));
}

void FrmArtAltaModelo::Form_Load() {
  if (texto::IgualesSinCaso(Cfg(kClaveAltaAutomatica), "SI")) return;
  ControlVentana& marco = *ventana_.Control("FramAlta");
  marco.visible = false;
  ventana_.Notificar(marco);
  for (ControlVentana* caja : ventana_.Familia("TxtFields")) ventana_.FijarTexto(*caja, "");
  ventana_.FijarTexto(*ventana_.Control("CmdAlta"), "Aceptar");
}

void FrmArtAltaModelo::CmdAlta_Click() {
  if (consultando_) return;
  pAceptar = true;
  if (!texto::Recortado(Caja("Descripcion").texto).empty()) AltaArticulos();
  Ocultar();
}

void FrmArtAltaModelo::cmdCancelar_Click() {
  if (consultando_) return;
  pAceptar = false;
  Ocultar();
}

bool FrmArtAltaModelo::Form_KeyDown(int codigoTecla) {
  switch (codigoTecla) {
    case kTeclaAlta: CmdAlta_Click(); return true;
    case kTeclaCancelar: cmdCancelar_Click(); return true;
    case kTeclaMaestro: CmdMaestro_Click(); return true;
    default: return false;
  }
}

void FrmArtAltaModelo::Ocultar() {
  if (alOcultar) alOcultar();
}

void FrmArtAltaModelo::Enfocar(ControlVentana& c) {
  if (alEnfocar) alEnfocar(c);
}

void FrmArtAltaModelo::FijarProceso(const std::string& texto) {
  ventana_.FijarTexto(*ventana_.Control("LblProceso"), texto);
  // The label is repainted before the program goes on.
  operador().ProcesarEventos();
}

void FrmArtAltaModelo::HabilitarComandos(bool habilitados) {
  for (const char* nombre : {"CmdMaestro", "CmdAlta", "CmdCancelar"}) {
    ControlVentana& boton = *ventana_.Control(nombre);
    boton.habilitado = habilitados;
    ventana_.Notificar(boton);
  }
}
