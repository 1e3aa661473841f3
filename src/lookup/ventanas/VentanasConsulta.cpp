#include "lookup/ventanas/VentanasConsulta.h"

#include "articles/ventanas/AltaArticuloModal.h"
#include "lookup/AltaArticulo.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/ventanas/Lib_FrmCons3.h"
#include "lookup/ventanas/Lib_FrmCons3Tree.h"

void InstalarVentanasConsulta() {
  Lib_ClsCons3& servicio = ServicioConsultas();
  servicio.MostrarLista = MostrarConsultaLista;
  servicio.MostrarArbol = MostrarConsultaArbol;
  RegistrarAltaArticulo(AbrirAltaArticulo);
}
