#pragma once
// The window frame of a window model that has no widget (the unattended
// run, the tests): no icon resource exists without widgets, an icon file is
// remembered when it can be read, and a toolbar's style goes into the
// toolbar control of the model (its `valor`).
#include <string>

#include "services/MarcoVentana.h"
#include "sivlib/ModeloVentana.h"

class MarcoSinVentana : public MarcoVentana {
 public:
  explicit MarcoSinVentana(ModeloVentana& ventana) : ventana_(ventana) {}

  bool FijarIconoRecurso(const std::string&) override { return false; }
  bool TieneIcono() const override { return !icono_.empty(); }
  bool CargarIconoArchivo(const std::string& ruta) override;
  std::string NombreTipo() const override { return ventana_.Nombre(); }
  bool FijarEstiloBarra(const std::string& barra, int estilo) override;

  const std::string& Icono() const { return icono_; }

 private:
  ModeloVentana& ventana_;
  std::string icono_;
};
