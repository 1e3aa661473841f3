#include "sivlib/Operador.h"

#include "sivlib/OperadorDesatendido.h"

namespace {
std::shared_ptr<Operador>& Actual() {
  static std::shared_ptr<Operador> op = std::make_shared<OperadorDesatendido>();
  return op;
}
}  // namespace

Operador& operador() { return *Actual(); }

void FijarOperador(std::shared_ptr<Operador> nuevo) {
  if (nuevo) Actual() = std::move(nuevo);
}

int RespuestaSinOperador(int estilo) {
  switch (botones::Conjunto(estilo)) {
    case botones::OK: return respuesta::Aceptar;
    case botones::AbortarReintentarIgnorar: return respuesta::Abortar;
    case botones::SiNo: return respuesta::No;
    default: return respuesta::Cancelar;
  }
}
