#include "db/motor/dialecto_sqlite/Reglas.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {

// SQLite knows none of SQL Server's collations; its own NOCASE and BINARY
// keep what the program relies on (keys that match without regard to
// case), and stay readable by any SQLite tool.
void ReglaColaciones(std::vector<Token>& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (!EsPalabra(t[i], "COLLATE")) continue;
    const size_t n = Siguiente(t, i);
    if (n == std::string::npos || t[n].clase != ClaseToken::Palabra) continue;
    const std::string& nombre = t[n].texto;
    if (texto::ContieneSinCaso(nombre, "_CI")) t[n].texto = "NOCASE";
    else if (texto::ContieneSinCaso(nombre, "_CS") || texto::ContieneSinCaso(nombre, "_BIN")) t[n].texto = "BINARY";
  }
}

}  // namespace dialecto_sqlite
