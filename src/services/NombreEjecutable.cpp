#include "services/NombreEjecutable.h"

#include "sivlib/Entorno.h"

std::string NombreEjecutable() {
  std::string nombre = RutaEjecutable();
  if (const size_t barra = nombre.find_last_of("/\\"); barra != std::string::npos) nombre.erase(0, barra + 1);
  if (const size_t punto = nombre.rfind('.'); punto != std::string::npos && punto > 0) nombre.erase(punto);
  return nombre;
}
