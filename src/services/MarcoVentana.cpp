#include "services/MarcoVentana.h"

#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "sivlib/ValoresGlobales.h"

void AplicarMarcoVentana(MarcoVentana& ventana) {
  ventana.FijarIconoRecurso("ICONPRAXEL");
  if (!ventana.TieneIcono()) ventana.CargarIconoArchivo("praxel.ico");
  // The MDI frame keeps its own toolbars and ends with its icon.
  if (texto::IgualesSinCaso(ventana.NombreTipo(), "FRMMDI")) return;
  for (const char* barra : {"Barrix1", "TBarRep1", "Util0011"}) ventana.FijarEstiloBarra(barra, gBarrasPlanas);
  operador().ProcesarEventos();
}
