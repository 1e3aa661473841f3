#pragma once
// The Qt login window behind the core's VentanaAcceso interface. The
// program installs it at start when an operator can answer; the unattended
// run and the tests keep the cancelling login of the core.
#include "db/VentanaAcceso.h"

class VentanaAccesoQt : public VentanaAcceso {
 public:
  bool Mostrar(DatosAcceso& datos) override;
};

// FijarVentanaAcceso(std::make_shared<VentanaAccesoQt>()).
void InstalarVentanaAccesoQt();
