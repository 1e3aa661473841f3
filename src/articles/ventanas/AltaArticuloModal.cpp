#include "articles/ventanas/AltaArticuloModal.h"

#include <QApplication>
#include <QPointer>

#include "articles/ventanas/FrmArtAlta.h"

std::string AbrirAltaArticulo(const std::string& codigoPropuesto) {
  // Closed with the window that opened it, when that goes first.
  static QPointer<FrmArtAlta> ventana;
  if (!ventana) ventana = new FrmArtAlta(QApplication::activeWindow());
  FrmArtAltaModelo& modelo = ventana->Modelo();
  modelo.DesdeConsulta = true;
  modelo.Ventana().FijarTexto(modelo.Caja("Codigo"), codigoPropuesto);
  ventana->exec();
  if (!modelo.pAceptar || modelo.CodArtNuevo.empty()) return {};
  const std::string nuevo = modelo.CodArtNuevo;
  delete ventana;
  return nuevo;
}
