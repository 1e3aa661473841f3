#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {

// SQL Server's FROM after DELETE is optional; SQLite's is not.
void ReglaDeleteSinFrom(std::vector<Token>& t) {
  const size_t del = Siguiente(t, std::string::npos);
  if (del == std::string::npos || !EsPalabra(t[del], "DELETE")) return;
  const size_t sig = Siguiente(t, del);
  if (sig == std::string::npos || EsPalabra(t[sig], "FROM")) return;
  t.insert(t.begin() + del + 1, {{ClaseToken::Espacio, " "}, {ClaseToken::Palabra, "FROM"}});
}

}  // namespace dialecto_sqlite
