#pragma once
// The registration window's model as the tests drive it: it counts the
// times the window hid itself and remembers which control took the focus.
#include <string>

#include "articles/FrmArtAltaModelo.h"

struct ModeloPrueba {
  ModeloPrueba() {
    modelo.alOcultar = [this] { ++ocultada; };
    modelo.alEnfocar = [this](ControlVentana& c) { foco = c.nombre + "(" + std::to_string(c.indice) + ")"; };
  }
  // Loads the window as the lookup does: load step, then the barcode box.
  void Abrir(const std::string& codigo = {}) {
    modelo.Form_Load();
    Texto("Codigo", codigo);
  }
  void Texto(const char* clave, const std::string& valor) { modelo.Ventana().FijarTexto(modelo.Caja(clave), valor); }
  const std::string& Caja(const char* clave) { return modelo.Caja(clave).texto; }
  const std::string& Proceso() { return modelo.Ventana().Control("LblProceso")->texto; }

  FrmArtAltaModelo modelo;
  int ocultada = 0;
  std::string foco;
};
