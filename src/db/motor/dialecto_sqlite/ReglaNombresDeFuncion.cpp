#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {

// Calls whose names SQLite reads as something else: ISNULL is its postfix
// operator (IFNULL is the same function), LEFT and RIGHT are join words
// (the engine registers LEFT_TSQL and RIGHT_TSQL). Only the call form
// "name(" is renamed: "x ISNULL" and "LEFT JOIN" stay.
void ReglaNombresDeFuncion(std::vector<Token>& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    const char* nuevo = EsPalabra(t[i], "ISNULL")  ? "IFNULL"
                        : EsPalabra(t[i], "LEFT")  ? "LEFT_TSQL"
                        : EsPalabra(t[i], "RIGHT") ? "RIGHT_TSQL"
                                                   : nullptr;
    if (!nuevo) continue;
    const size_t sig = Siguiente(t, i);
    if (sig != std::string::npos && EsSimbolo(t[sig], "(")) t[i].texto = nuevo;
  }
}

}  // namespace dialecto_sqlite
