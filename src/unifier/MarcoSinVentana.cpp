#include "unifier/MarcoSinVentana.h"

#include "services/Archivos.h"

bool MarcoSinVentana::CargarIconoArchivo(const std::string& ruta) {
  if (!ExisteArchivo(ruta)) return false;
  icono_ = ruta;
  return true;
}

bool MarcoSinVentana::FijarEstiloBarra(const std::string& barra, int estilo) {
  ControlVentana* c = ventana_.Control(barra);
  if (!c) return false;
  ventana_.FijarValor(*c, estilo);
  return true;
}
