// TOP n becomes LIMIT n at the end of the same SELECT (before the ")" that
// closes a sub-query). TOP n PERCENT becomes a limit computed from the count
// of the same query, rounded up as SQL Server does; 100 PERCENT or more
// limits nothing. Limits: WITH TIES is dropped, and a TOP in the first
// member of a UNION limits the whole union (SQLite allows LIMIT only at
// its end).
#include <cstdlib>

#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {
namespace {

const size_t npos = std::string::npos;

// Index just past the SELECT that starts at s: the ")" closing its
// sub-query, a ";" or the end of the text.
size_t FinDelSelect(const std::vector<Token>& t, size_t s) {
  int nivel = 0;
  for (size_t j = s + 1; j < t.size(); ++j) {
    if (EsSimbolo(t[j], "(")) ++nivel;
    else if (EsSimbolo(t[j], ")") && nivel-- == 0) return j;
    else if (EsSimbolo(t[j], ";") && nivel == 0) return j;
  }
  return t.size();
}

std::string LimitePorcentaje(const std::string& porcentaje, const std::string& consulta) {
  const std::string filas = "COUNT(*) * " + porcentaje + " / 100.0";
  return " LIMIT (SELECT CAST(" + filas + " AS INTEGER) + (" + filas + " > CAST(" + filas + " AS INTEGER)) FROM (" +
         consulta + "))";
}

void ConvertirTop(std::vector<Token>& t, size_t sel) {
  size_t top = Siguiente(t, sel);
  if (top != npos && (EsPalabra(t[top], "DISTINCT") || EsPalabra(t[top], "ALL"))) top = Siguiente(t, top);
  if (top == npos || !EsPalabra(t[top], "TOP")) return;
  size_t fin = Siguiente(t, top);
  if (fin == npos) return;
  std::string cuenta;
  if (t[fin].clase == ClaseToken::Numero) {
    cuenta = t[fin].texto;
  } else if (EsSimbolo(t[fin], "(")) {
    const size_t c = CierreDe(t, fin);
    if (c == npos) return;
    cuenta = Unir(t, fin, c + 1);
    fin = c;
  } else {
    return;
  }
  bool porcentaje = false;
  size_t sig = Siguiente(t, fin);
  if (sig != npos && EsPalabra(t[sig], "PERCENT")) porcentaje = true, fin = sig, sig = Siguiente(t, fin);
  if (sig != npos && EsPalabra(t[sig], "WITH")) {
    const size_t ties = Siguiente(t, sig);
    if (ties != npos && EsPalabra(t[ties], "TIES")) fin = ties;
  }
  // Drop "TOP n [PERCENT]" and the blanks after it.
  size_t hasta = fin + 1;
  while (hasta < t.size() && t[hasta].clase == ClaseToken::Espacio) ++hasta;
  t.erase(t.begin() + top, t.begin() + hasta);
  if (top < t.size() && top > 0 && t[top - 1].clase != ClaseToken::Espacio)
    t.insert(t.begin() + top, {ClaseToken::Espacio, " "});

  const size_t finSelect = FinDelSelect(t, sel);
  size_t donde = finSelect;
  while (donde > sel + 1 && !EsSignificativo(t[donde - 1])) --donde;
  std::string limite;
  if (!porcentaje) limite = " LIMIT " + cuenta;
  else if (std::strtod(cuenta.c_str(), nullptr) < 100 || cuenta[0] == '(')
    limite = LimitePorcentaje(cuenta, Unir(t, sel, donde));
  if (!limite.empty()) t.insert(t.begin() + donde, {ClaseToken::Crudo, limite});
}

}  // namespace

void ReglaTop(std::vector<Token>& t) {
  // Inner SELECTs come later in the text: converting from the last one
  // backwards gives an outer PERCENT's copy of its query the inner limits.
  for (size_t i = t.size(); i-- > 0;)
    if (EsPalabra(t[i], "SELECT")) ConvertirTop(t, i);
}

}  // namespace dialecto_sqlite
