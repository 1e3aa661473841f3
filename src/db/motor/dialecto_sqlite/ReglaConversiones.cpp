#include "db/motor/dialecto_sqlite/Reglas.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

// First top-level token between `desde` and `hasta` that satisfies `es`.
template <class F>
size_t BuscarEnNivel(const std::vector<Token>& t, size_t desde, size_t hasta, F es, bool ultimo = false) {
  int nivel = 0;
  size_t hallado = std::string::npos;
  for (size_t j = desde; j < hasta; ++j) {
    if (EsSimbolo(t[j], "(")) ++nivel;
    else if (EsSimbolo(t[j], ")")) --nivel;
    else if (nivel == 0 && es(t[j])) {
      hallado = j;
      if (!ultimo) break;
    }
  }
  return hallado;
}

std::vector<Token> Llamada(const std::string& tipo) {
  return {{ClaseToken::Palabra, "CONVERTIR_TSQL"},
          {ClaseToken::Simbolo, "("},
          {ClaseToken::Literal, ComoLiteral(texto::Recortado(tipo))},
          {ClaseToken::Simbolo, ","}};
}

}  // namespace

// The conversions run in a registered function that knows SQL Server's
// types and date styles (103, 112 ...); SQLite's own CAST would read a
// date text as a number and never cut a varchar to its length.
void ReglaConversiones(std::vector<Token>& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    const bool convert = EsPalabra(t[i], "CONVERT"), cast = EsPalabra(t[i], "CAST");
    if (!convert && !cast) continue;
    const size_t abre = Siguiente(t, i);
    if (abre == std::string::npos || !EsSimbolo(t[abre], "(")) continue;
    const size_t cierra = CierreDe(t, abre);
    if (cierra == std::string::npos) continue;
    std::vector<Token> nuevo;
    if (convert) {
      const size_t coma = BuscarEnNivel(t, abre + 1, cierra, [](const Token& k) { return EsSimbolo(k, ","); });
      if (coma == std::string::npos) continue;
      nuevo = Llamada(Unir(t, abre + 1, coma));
      nuevo.insert(nuevo.end(), t.begin() + coma + 1, t.begin() + cierra + 1);
    } else {
      const size_t as = BuscarEnNivel(
          t, abre + 1, cierra, [](const Token& k) { return EsPalabra(k, "AS"); }, true);
      if (as == std::string::npos) continue;
      nuevo = Llamada(Unir(t, as + 1, cierra));
      nuevo.push_back({ClaseToken::Espacio, " "});
      size_t finValor = as;
      while (finValor > abre + 1 && !EsSignificativo(t[finValor - 1])) --finValor;
      size_t iniValor = abre + 1;
      while (iniValor < finValor && !EsSignificativo(t[iniValor])) ++iniValor;
      nuevo.insert(nuevo.end(), t.begin() + iniValor, t.begin() + finValor);
      nuevo.push_back({ClaseToken::Simbolo, ")"});
    }
    t.erase(t.begin() + i, t.begin() + cierra + 1);
    t.insert(t.begin() + i, nuevo.begin(), nuevo.end());
  }
}

}  // namespace dialecto_sqlite
