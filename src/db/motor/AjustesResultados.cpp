#include "db/motor/AjustesResultados.h"

#include <cstdlib>
#include <mutex>

#include "sivlib/Texto.h"

namespace {

std::mutex m;
bool configurado = false;
TamanosResultado tamanos;

}  // namespace

void FijarUnResultadoPorConexion(bool forzado) {
  std::lock_guard l(m);
  configurado = forzado;
}

bool UnResultadoForzado() {
  const char* v = std::getenv("UT_VORNA_UN_RESULTADO_POR_CONEXION");
  if (v && !texto::Recortado(v).empty()) return texto::Recortado(v) == "1";
  std::lock_guard l(m);
  return configurado;
}

TamanosResultado TamanosActuales() {
  std::lock_guard l(m);
  return tamanos;
}

void FijarTamanosResultado(TamanosResultado t) {
  std::lock_guard l(m);
  if (t.filasPorBloque == 0) t.filasPorBloque = 1;
  tamanos = t;
}
