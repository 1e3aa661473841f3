#include "unifier/tarea/HoraTarea.h"

#include "sivlib/Texto.h"

namespace tarea {

std::optional<HoraMinuto> LeerHora(const std::string& texto) {
  const std::string t = texto::Recortado(texto);
  int partes[3] = {-1, -1, -1};
  int cuantas = 0;
  size_t i = 0;
  while (cuantas < 3) {
    const size_t inicio = i;
    int v = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9' && i - inicio < 2) v = v * 10 + (t[i++] - '0');
    if (i == inicio) return std::nullopt;
    if (cuantas > 0 && i - inicio != 2) return std::nullopt;  // minutes and seconds take two digits
    partes[cuantas++] = v;
    if (i == t.size()) break;
    if (t[i] != ':') return std::nullopt;
    ++i;
  }
  if (i != t.size() || cuantas < 2) return std::nullopt;
  if (partes[0] > 23 || partes[1] > 59 || (cuantas == 3 && partes[2] > 59)) return std::nullopt;
  return HoraMinuto{partes[0], partes[1]};
}

}  // namespace tarea
