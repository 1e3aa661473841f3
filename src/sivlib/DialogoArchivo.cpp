#include "sivlib/DialogoArchivo.h"

#include "sivlib/Operador.h"

void DialogoArchivo::MostrarAbrir() {
  nombre_ = operador().ElegirArchivo(titulo_, filtro_);
  cancelado_ = nombre_.empty();
}
