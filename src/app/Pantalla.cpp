#include "app/Pantalla.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

bool HayPantalla() {
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* s = std::getenv(v); s && *s) return true;
  const char* qpa = std::getenv("QT_QPA_PLATFORM");
  return qpa && std::strncmp(qpa, "offscreen", 9) == 0;
}

const char* TextoSinPantalla() {
  return "La ventana principal necesita una pantalla; use @ParametroAdicional=1 para la ejecucion desatendida.";
}
