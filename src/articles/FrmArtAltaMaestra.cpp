// The window's question to the master barcode service.
#include "articles/BaseMaestra.h"
#include "articles/FrmArtAltaModelo.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

FrmArtAltaModelo::Ocupada::Ocupada(FrmArtAltaModelo& v) : v_(v), propia_(!v.consultando_) {
  if (!propia_) return;
  v_.consultando_ = true;
  v_.HabilitarComandos(false);
}

FrmArtAltaModelo::Ocupada::~Ocupada() {
  if (!propia_) return;
  v_.HabilitarComandos(true);
  v_.consultando_ = false;
}

void FrmArtAltaModelo::CmdMaestro_Click() {
  if (consultando_) return;
  // Events run while the label is repainted and the base answers: another
  // command then would act on a half-filled window.
  Ocupada ocupada(*this);
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
  Ocupada ocupada(*this);
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
  const base_maestra::Consulta consulta = base_maestra::Consultar(codigo);

  error = consulta.error;
  Mensaje = consulta.mensaje;
  FijarProceso(error ? consulta.mensaje : "Encontrado...");
  return consulta.descripcion;
}
