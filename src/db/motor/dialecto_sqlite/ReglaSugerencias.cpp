#include <initializer_list>

#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {
namespace {

bool EsSugerencia(const Token& k) {
  for (const char* s : {"NOLOCK", "READUNCOMMITTED", "READCOMMITTED", "ROWLOCK", "PAGLOCK", "TABLOCK", "TABLOCKX",
                        "UPDLOCK", "XLOCK", "HOLDLOCK", "READPAST", "NOWAIT", "SERIALIZABLE", "REPEATABLEREAD"})
    if (EsPalabra(k, s)) return true;
  return false;
}

// "(" hint [, hint]... ")" starting at `abre`: index of ")" or npos.
size_t FinDeSugerencias(const std::vector<Token>& t, size_t abre, bool& soloNolock) {
  size_t i = Siguiente(t, abre);
  soloNolock = true;
  bool esperaNombre = true;
  for (; i != std::string::npos; i = Siguiente(t, i)) {
    if (esperaNombre) {
      if (!EsSugerencia(t[i])) return std::string::npos;
      soloNolock = soloNolock && EsPalabra(t[i], "NOLOCK");
    } else if (EsSimbolo(t[i], ")")) {
      return i;
    } else if (!EsSimbolo(t[i], ",")) {
      return std::string::npos;
    }
    esperaNombre = !esperaNombre;
  }
  return std::string::npos;
}

}  // namespace

// SQLite reads without locking out writers anyway; the hints have nothing
// to map to and are removed. The old form without WITH is recognised only
// for (NOLOCK), so a column list is never taken for a hint.
void ReglaSugerencias(std::vector<Token>& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (!EsSimbolo(t[i], "(")) continue;
    bool soloNolock = false;
    const size_t fin = FinDeSugerencias(t, i, soloNolock);
    if (fin == std::string::npos) continue;
    const size_t ant = Anterior(t, i);
    size_t desde = i;
    if (ant != std::string::npos && EsPalabra(t[ant], "WITH")) desde = ant;
    else if (!soloNolock) continue;
    t.erase(t.begin() + desde, t.begin() + fin + 1);
    i = desde;
  }
}

}  // namespace dialecto_sqlite
