#include "lookup/AltaArticulo.h"

namespace {
AltaArticuloDesdeConsulta& Registrada() {
  static AltaArticuloDesdeConsulta alta;
  return alta;
}
}  // namespace

void RegistrarAltaArticulo(AltaArticuloDesdeConsulta alta) { Registrada() = std::move(alta); }

const AltaArticuloDesdeConsulta& AltaArticuloRegistrada() { return Registrada(); }
