#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {
namespace {
bool EsDbo(const Token& k) {
  return EsPalabra(k, "dbo") || ((k.clase == ClaseToken::Corchete || k.clase == ClaseToken::Comillas) &&
                                 k.texto.size() == 5 && EsPalabra({ClaseToken::Palabra, k.texto.substr(1, 3)}, "dbo"));
}
bool EsNombre(const Token& k) {
  return k.clase == ClaseToken::Palabra || k.clase == ClaseToken::Corchete || k.clase == ClaseToken::Comillas;
}
}  // namespace

// SQLite has one owner per file: "dbo." in front of a name is dropped. A
// name written right after a "." (the second part of a qualified name) is
// not an owner and stays.
void ReglaPropietario(std::vector<Token>& t) {
  for (size_t i = 0; i + 2 < t.size(); ++i) {
    if (!EsDbo(t[i]) || !EsSimbolo(t[i + 1], ".") || !EsNombre(t[i + 2])) continue;
    if (i > 0 && EsSimbolo(t[i - 1], ".")) continue;
    t.erase(t.begin() + i, t.begin() + i + 2);
  }
}

}  // namespace dialecto_sqlite
