// SQL Server pads the shorter text with blanks before it compares two
// texts, so 'ana ' = 'ana' holds; SQLite compares them as they are. A text
// literal that is a whole operand of a comparison loses its trailing
// blanks, which gives SQL Server's answer against the trimmed values the
// program stores. LIKE patterns keep their blanks (they count there), and
// so do stored values: the "=" of an UPDATE's SET assignment and the
// values of an INSERT are no comparisons.
#include <set>

#include "db/motor/dialecto_sqlite/Reglas.h"
#include "db/motor/dialecto_sqlite/ValoresAsignados.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

const size_t npos = std::string::npos;

bool EsComparacion(const Token& k) {
  static const char* operadores[] = {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};
  for (const char* o : operadores)
    if (EsSimbolo(k, o)) return true;
  return false;
}

// The token beside a literal shows the literal is a whole operand (not a
// part of 'a ' + B): a keyword, a parenthesis, a comma, the end.
bool Delimita(const std::vector<Token>& t, size_t j, const char* parentesis) {
  return j == npos || t[j].clase == ClaseToken::Palabra || EsSimbolo(t[j], parentesis) || EsSimbolo(t[j], ",") ||
         EsSimbolo(t[j], ";");
}

// "IN ('a ', 'b', 3)": only literals and numbers, each compared with "=".
bool EnListaInSimple(const std::vector<Token>& t, size_t i) {
  size_t abre = Anterior(t, i);
  while (abre != npos && (t[abre].clase == ClaseToken::Literal || t[abre].clase == ClaseToken::Numero ||
                          EsSimbolo(t[abre], ",")))
    abre = Anterior(t, abre);
  if (abre == npos || !EsSimbolo(t[abre], "(")) return false;
  const size_t in = Anterior(t, abre);
  if (in == npos || !EsPalabra(t[in], "IN")) return false;
  const size_t cierre = CierreDe(t, abre);
  if (cierre == npos) return false;
  for (size_t j = Siguiente(t, abre); j != cierre; j = Siguiente(t, j)) {
    const bool esValor = t[j].clase == ClaseToken::Literal || t[j].clase == ClaseToken::Numero;
    if (!esValor && !EsSimbolo(t[j], ",")) return false;
  }
  return true;
}

bool EsOperandoComparado(const std::vector<Token>& t, size_t i, const std::set<size_t>& asignaciones) {
  const size_t antes = Anterior(t, i), despues = Siguiente(t, i);
  auto comparaEn = [&](size_t j) { return j != npos && EsComparacion(t[j]) && !asignaciones.count(j); };
  return (comparaEn(antes) && Delimita(t, despues, ")")) || (comparaEn(despues) && Delimita(t, antes, "(")) ||
         EnListaInSimple(t, i);
}

}  // namespace

void ReglaBlancosFinales(std::vector<Token>& t) {
  std::set<size_t> asignaciones;
  for (const ValorAsignado& v : ValoresAsignados(t))
    if (v.igual != npos) asignaciones.insert(v.igual);
  for (size_t i = 0; i < t.size(); ++i) {
    Token& k = t[i];
    const bool cerrado = k.texto.size() >= 3 && k.texto.back() == '\'';
    if (k.clase != ClaseToken::Literal || !cerrado || k.texto[k.texto.size() - 2] != ' ') continue;
    if (!EsOperandoComparado(t, i, asignaciones)) continue;
    const std::string prefijo = k.texto[0] == '\'' ? "" : k.texto.substr(0, 1);  // N'...'
    k.texto = prefijo + ComoLiteral(texto::RecortadoDer(ContenidoLiteral(k)));
  }
}

}  // namespace dialecto_sqlite
