#include "app/Pantalla.h"

const char* TextoSinPantalla() {
  return "La ventana principal necesita una pantalla; use @ParametroAdicional=1 para la ejecucion desatendida.";
}
