#include "lookup/ventanas/VentanasConsulta.h"

#include <QApplication>

#include "articles/ventanas/FrmArtAlta.h"
#include "lookup/AltaArticulo.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/ventanas/Lib_FrmCons3.h"
#include "lookup/ventanas/Lib_FrmCons3Tree.h"

namespace {

// The registration window, modal, with the proposed code in its first box;
// the code registered, or empty text.
std::string AltaDesdeConsulta(const std::string& codigoPropuesto) {
  FrmArtAlta alta(QApplication::activeWindow());
  FrmArtAltaModelo& m = alta.Modelo();
  m.DesdeConsulta = true;
  m.Ventana().FijarTexto(*m.Ventana().Control("TxtFields", 0), codigoPropuesto);
  alta.exec();
  return m.pAceptar ? m.CodArtNuevo : std::string();
}

}  // namespace

void InstalarVentanasConsulta() {
  Lib_ClsCons3& servicio = ServicioConsultas();
  servicio.MostrarLista = MostrarConsultaLista;
  servicio.MostrarArbol = MostrarConsultaArbol;
  RegistrarAltaArticulo(AltaDesdeConsulta);
}
