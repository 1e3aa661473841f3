#include "db/motor/TurnoConexion.h"

#include <algorithm>

#include "db/motor/CursorAnticipado.h"

void TurnoConexion::Retirar(CursorAnticipado* cursor) { std::erase(pendientes_, cursor); }

void TurnoConexion::Liberar(size_t maximo) {
  // Each TraerResto leaves the list, so the loop ends.
  while (!pendientes_.empty() && pendientes_.size() + 1 > maximo) pendientes_.front()->TraerResto();
}
