#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {

// SQLite's texts are all Unicode already: the prefix only has to go.
void ReglaLiteralesN(std::vector<Token>& t) {
  for (auto& k : t)
    if (k.clase == ClaseToken::Literal && (k.texto[0] == 'N' || k.texto[0] == 'n')) k.texto.erase(0, 1);
}

}  // namespace dialecto_sqlite
