#include "db/VentanaAcceso.h"

namespace {

// Where no login window can be shown (tests, the unattended run).
class AccesoCancelado : public VentanaAcceso {
 public:
  bool Mostrar(DatosAcceso&) override { return false; }
};

std::shared_ptr<VentanaAcceso>& Instalada() {
  static std::shared_ptr<VentanaAcceso> v = std::make_shared<AccesoCancelado>();
  return v;
}

}  // namespace

VentanaAcceso& ventanaAcceso() { return *Instalada(); }

void FijarVentanaAcceso(std::shared_ptr<VentanaAcceso> nueva) {
  Instalada() = nueva ? std::move(nueva) : std::make_shared<AccesoCancelado>();
}
