#include "sivlib/Pantalla.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

bool HayPantalla() {
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* s = std::getenv(v); s && *s) return true;
  const char* qpa = std::getenv("QT_QPA_PLATFORM");
  return qpa && std::strncmp(qpa, "offscreen", 9) == 0;
}
