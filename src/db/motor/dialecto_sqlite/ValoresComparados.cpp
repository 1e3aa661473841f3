#include "db/motor/dialecto_sqlite/ValoresComparados.h"

#include "db/motor/dialecto_sqlite/ValoresAsignados.h"

namespace dialecto_sqlite {
namespace {

const size_t npos = std::string::npos;

const char* const kComparaciones[] = {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};

bool EsComparacion(const Token& k) {
  for (const char* o : kComparaciones)
    if (EsSimbolo(k, o)) return true;
  return false;
}

// The operator seen from the other operand: v < X is X > v.
std::string Invertido(const std::string& op) {
  if (op == "<") return ">";
  if (op == ">") return "<";
  if (op == "<=") return ">=";
  if (op == ">=") return "<=";
  if (op == "!<") return "!>";
  if (op == "!>") return "!<";
  return op;
}

// The token beside a literal shows the literal is a whole operand (not a
// part of 'a ' + B): a keyword, a parenthesis, a comma, the end. A literal
// given its own collation is compared as written.
bool Delimita(const std::vector<Token>& t, size_t j, const char* parentesis) {
  return j == npos || (t[j].clase == ClaseToken::Palabra && !EsPalabra(t[j], "COLLATE")) ||
         EsSimbolo(t[j], parentesis) || EsSimbolo(t[j], ",") || EsSimbolo(t[j], ";");
}

bool EsValorSimple(const Token& k) { return k.clase == ClaseToken::Literal || k.clase == ClaseToken::Numero; }

// "IN ('a ', 2, 'c')": only literals and numbers.
bool EnListaInSimple(const std::vector<Token>& t, size_t i) {
  size_t abre = Anterior(t, i);
  while (abre != npos && (EsValorSimple(t[abre]) || EsSimbolo(t[abre], ","))) abre = Anterior(t, abre);
  if (abre == npos || !EsSimbolo(t[abre], "(")) return false;
  const size_t in = Anterior(t, abre);
  if (in == npos || !EsPalabra(t[in], "IN")) return false;
  const size_t cierre = CierreDe(t, abre);
  if (cierre == npos) return false;
  for (size_t j = Siguiente(t, abre); j != cierre; j = Siguiente(t, j))
    if (!EsValorSimple(t[j]) && !EsSimbolo(t[j], ",")) return false;
  return true;
}

bool EsPalabraClave(const Token& k) {
  static const char* claves[] = {"AND",   "OR",     "NOT",     "THEN",   "ELSE",      "WHEN",  "END",   "ORDER",
                                 "GROUP", "HAVING", "UNION",   "EXCEPT", "INTERSECT", "FROM",  "WHERE", "IS",
                                 "IN",    "LIKE",   "BETWEEN", "ESCAPE", "COLLATE",   "AS",    "ON",    "JOIN",
                                 "INNER", "LEFT",   "RIGHT",   "OUTER",  "CROSS",     "LIMIT", "CASE",  "SELECT"};
  for (const char* c : claves)
    if (EsPalabra(k, c)) return true;
  return false;
}

bool EsOperadorAritmetico(const Token& k) {
  for (const char* o : {".", "+", "-", "*", "/", "%", "||"})
    if (EsSimbolo(k, o)) return true;
  return false;
}

// Last token of the operand that begins at `desde`: names, numbers,
// literals and calls joined by arithmetic; npos when it cannot be told.
size_t FinDeOperando(const std::vector<Token>& t, size_t desde) {
  size_t fin = npos;
  bool esperaOperando = true;
  for (size_t j = desde; j != npos; j = Siguiente(t, j)) {
    const Token& k = t[j];
    if (EsSimbolo(k, "(")) {
      j = CierreDe(t, j);  // a group, or the arguments of the call just read
      if (j == npos) return npos;
      fin = j;
      esperaOperando = false;
    } else if (EsOperadorAritmetico(k)) {
      if (esperaOperando && !EsSimbolo(k, "-") && !EsSimbolo(k, "+")) return npos;
      esperaOperando = true;
    } else if (k.clase == ClaseToken::Simbolo || (k.clase == ClaseToken::Palabra && EsPalabraClave(k))) {
      break;
    } else {
      if (!esperaOperando) break;
      fin = j;
      esperaOperando = false;
    }
  }
  return esperaOperando ? npos : fin;
}

Token Crudo(std::string texto) { return {ClaseToken::Crudo, std::move(texto)}; }

}  // namespace

ValoresComparados::ValoresComparados(const std::vector<Token>& t) : t_(t), asignacion_(t.size(), false) {
  for (const ValorAsignado& v : ValoresAsignados(t))
    if (v.igual != npos) asignacion_[v.igual] = true;
}

ValoresComparados::Lugar ValoresComparados::Ubicar(size_t i) const {
  Lugar l;
  const size_t antes = Anterior(t_, i), despues = Siguiente(t_, i);
  auto comparaEn = [&](size_t j) { return j != npos && EsComparacion(t_[j]) && !asignacion_[j]; };
  if (comparaEn(antes) && Delimita(t_, despues, ")")) {
    l.papel = Papel::Derecha;
    l.operador = antes;
    const size_t otro = Anterior(t_, antes);
    l.otroEsLiteral = otro != npos && t_[otro].clase == ClaseToken::Literal;
  } else if (comparaEn(despues) && Delimita(t_, antes, "(")) {
    l.papel = Papel::Izquierda;
    l.operador = despues;
    const size_t otro = Siguiente(t_, despues);
    l.finOtro = otro == npos ? npos : FinDeOperando(t_, otro);
    l.otroEsLiteral = l.finOtro == otro && t_[otro].clase == ClaseToken::Literal;
  } else if (EnListaInSimple(t_, i)) {
    l.papel = Papel::ListaIn;
  } else if (antes != npos && EsPalabra(t_[antes], "BETWEEN") && despues != npos && EsPalabra(t_[despues], "AND")) {
    l.papel = Papel::EntreDesde;
  } else if (antes != npos && EsPalabra(t_[antes], "AND") && Delimita(t_, despues, ")")) {
    const size_t desde = Anterior(t_, antes);
    const size_t between = desde == npos ? npos : Anterior(t_, desde);
    if (between != npos && EsPalabra(t_[between], "BETWEEN") && EsValorSimple(t_[desde])) l.papel = Papel::EntreHasta;
  }
  return l;
}

bool ValoresComparados::EsComparado(size_t i) const { return Ubicar(i).papel != Papel::Ninguno; }

void ValoresComparados::Equivaler(size_t i, const Equivalentes& e) {
  const Lugar l = Ubicar(i);
  if (l.papel == Papel::Ninguno) return;
  cambios_[i] = CambioPara(i, l, e);
}

ValoresComparados::Cambio ValoresComparados::CambioPara(size_t i, const Lugar& l, const Equivalentes& e) const {
  const Cambio primero{i, i, {Crudo(e.primero)}};
  const Cambio ultimo{i, i, {Crudo(e.ultimo)}};
  switch (l.papel) {
    case Papel::ListaIn: return {i, i, {Crudo(e.lista)}};
    case Papel::EntreDesde: return primero;
    case Papel::EntreHasta: return ultimo;
    case Papel::Ninguno: return primero;
    case Papel::Derecha:
    case Papel::Izquierda: break;
  }
  const std::string escrito = t_[l.operador].texto;
  const std::string op = l.papel == Papel::Izquierda ? Invertido(escrito) : escrito;
  if (op == "<" || op == ">=" || op == "!<") return primero;
  if (op == ">" || op == "<=" || op == "!>") return ultimo;
  // "=", "<>", "!=": a range, with the other operand first.
  if (l.otroEsLiteral || e.primero == e.ultimo) return primero;
  const std::string rango = std::string(op == "=" ? "BETWEEN " : "NOT BETWEEN ") + e.primero + " AND " + e.ultimo;
  Cambio c{l.operador, i, {}};
  if (l.papel == Papel::Derecha) {
    if (l.operador == 0 || t_[l.operador - 1].clase != ClaseToken::Espacio) c.por.push_back({ClaseToken::Espacio, " "});
  } else {
    if (l.finOtro == npos) return primero;
    const size_t otro = Siguiente(t_, l.operador);
    c = {i, l.finOtro, {t_.begin() + long(otro), t_.begin() + long(l.finOtro) + 1}};
    c.por.push_back({ClaseToken::Espacio, " "});
  }
  c.por.push_back(Crudo(rango));
  return c;
}

void ValoresComparados::Aplicar(std::vector<Token>& t) const {
  // From the end, so that the indices of the earlier changes still hold.
  size_t limite = npos;
  for (auto it = cambios_.rbegin(); it != cambios_.rend(); ++it) {
    const Cambio& c = it->second;
    if (limite != npos && c.hasta >= limite) continue;  // overlaps a change already made
    t.erase(t.begin() + long(c.desde), t.begin() + long(c.hasta) + 1);
    t.insert(t.begin() + long(c.desde), c.por.begin(), c.por.end());
    limite = c.desde;
  }
}

}  // namespace dialecto_sqlite
