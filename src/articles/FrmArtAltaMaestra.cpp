// The window's question to the master barcode service.
#include "articles/BaseMaestra.h"
#include "articles/FrmArtAltaModelo.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

void FrmArtAltaModelo::CmdMaestro_Click() {
  if (consultando_) return;
  bool error = false;
  std::string mensaje;
  const std::string descripcion = ObtenerDescMaestra(Caja("Codigo").texto, error, mensaje);
  if (error) {
    ventana_.FijarTexto(Caja("Descripcion"), "");
    Enfocar(Caja("Descripcion"));
    return;
  }
  FijarProceso("Correcto.");
  ventana_.FijarTexto(Caja("Descripcion"), descripcion);
  Enfocar(Caja("Precio"));
}

std::string FrmArtAltaModelo::ObtenerDescMaestra(const std::string& codigo, bool& error, std::string& Mensaje) {
  FijarProceso("Consultando Base Maestra...");
  if (texto::Recortado(codigo).empty()) {
    Mensaje = "Debe informar el codigo.";
    // The label does not go on saying that the base is being asked.
    FijarProceso(Mensaje);
    operador().Mensaje("Debe informar el numero de Codigo de Barras", botones::OK + botones::Critico,
                       "Aviso al Operador");
    error = true;
    return {};
  }
  // The wait lets the window paint and answer; its commands wait for the reply.
  consultando_ = true;
  HabilitarComandos(false);
  const base_maestra::Consulta consulta = base_maestra::Consultar(codigo);
  HabilitarComandos(true);
  consultando_ = false;

  error = consulta.error;
  Mensaje = consulta.mensaje;
  FijarProceso(error ? consulta.mensaje : "Encontrado...");
  return consulta.descripcion;
}
