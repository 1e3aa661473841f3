#include "db/motor/dialecto_sqlite/FormaFecha.h"

namespace dialecto_sqlite {

bool TieneFormaDeFecha(const std::string& s) {
  size_t i = 0;
  auto digitos = [&](size_t min, size_t max) {
    size_t n = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++n;
    return n >= min && n <= max;
  };
  auto marca = [&](char c) { return i < s.size() && s[i] == c ? (++i, true) : false; };
  if (!digitos(1, 2) || !marca('/') || !digitos(1, 2) || !marca('/')) return false;
  const size_t iniAnio = i;
  if (!digitos(2, 4) || i - iniAnio == 3) return false;
  if (i == s.size()) return true;
  if (!marca(' ') || !digitos(1, 2) || !marca(':') || !digitos(2, 2)) return false;
  if (marca(':') && !digitos(2, 2)) return false;
  return i == s.size();
}

}  // namespace dialecto_sqlite
