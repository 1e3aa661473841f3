#include "db/motor/dialecto_sqlite/Reglas.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {

// Standard double quotes: the form every SQL engine reads as a quoted name.
void ReglaCorchetes(std::vector<Token>& t) {
  for (auto& k : t) {
    if (k.clase != ClaseToken::Corchete) continue;
    std::string nombre = k.texto.substr(1, k.texto.size() >= 2 ? k.texto.size() - 2 : 0);
    nombre = texto::ReemplazarTodo(nombre, "]]", "]");
    k = {ClaseToken::Comillas, "\"" + texto::ReemplazarTodo(nombre, "\"", "\"\"") + "\""};
  }
}

}  // namespace dialecto_sqlite
