// SQL Server's "+" adds numbers and joins texts, decided by the operands'
// types; SQLite's "+" only adds. The sound way without a schema is to let
// the values decide at run time: every additive chain that holds a "+"
// becomes nested SUMAR_TSQL(a, b) calls (registered by the engine), keeping
// SQL Server's precedence (* / % bind tighter; + and - from left to right).
// Chains of plain numbers stay as written.
#include <initializer_list>

#include "db/motor/dialecto_sqlite/Reglas.h"

namespace dialecto_sqlite {
namespace {

const size_t npos = std::string::npos;

bool EsClave(const Token& k) {
  for (const char* p :
       {"SELECT", "FROM", "WHERE",    "AND",    "OR",      "NOT",  "ON",     "AS",     "WHEN",   "THEN",
        "ELSE",   "END",  "CASE",     "IN",     "BETWEEN", "LIKE", "IS",     "ORDER",  "GROUP",  "BY",
        "HAVING", "SET",  "VALUES",   "JOIN",   "INNER",   "LEFT", "RIGHT",  "OUTER",  "FULL",   "CROSS",
        "UNION",  "ALL",  "DISTINCT", "TOP",    "PERCENT", "INTO", "INSERT", "UPDATE", "DELETE", "LIMIT",
        "ASC",    "DESC", "EXISTS",   "ESCAPE", "WITH",    "TIES", "OFFSET", "COLLATE"})
    if (EsPalabra(k, p)) return true;
  return false;
}

bool EsGrupo(const Token& k) { return k.clase == ClaseToken::Crudo && !k.texto.empty() && k.texto[0] == '('; }

class Nivel {
 public:
  explicit Nivel(const std::vector<Token>& in) : t_(Agrupar(in)) {}

  std::vector<Token> Resolver() {
    std::vector<Token> out;
    size_t i = 0;
    while (i < t_.size()) {
      const size_t fin = EsSignificativo(t_[i]) ? Cadena(i) : npos;
      if (fin == npos) {
        out.push_back(t_[i++]);
        continue;
      }
      if (reescrita_.empty()) out.insert(out.end(), t_.begin() + i, t_.begin() + fin + 1);
      else out.push_back({ClaseToken::Crudo, reescrita_});
      i = fin + 1;
    }
    return out;
  }

 private:
  // Each "( ... )" and "CASE ... END" becomes one operand token, its inside
  // resolved on its own.
  static std::vector<Token> Agrupar(const std::vector<Token>& in) {
    std::vector<Token> out;
    for (size_t i = 0; i < in.size(); ++i) {
      size_t fin = npos;
      std::string abre, cierra;
      if (EsSimbolo(in[i], "(")) {
        fin = CierreDe(in, i);
        abre = "(", cierra = ")";
      } else if (EsPalabra(in[i], "CASE")) {
        fin = FinDeCase(in, i);
        abre = in[i].texto, cierra = fin == npos ? "" : in[fin].texto;
      }
      if (fin == npos) {
        out.push_back(in[i]);
        continue;
      }
      std::vector<Token> dentro(in.begin() + i + 1, in.begin() + fin);
      out.push_back({ClaseToken::Crudo, abre + Unir(Nivel(dentro).Resolver()) + cierra});
      i = fin;
    }
    return out;
  }

  static size_t FinDeCase(const std::vector<Token>& t, size_t i) {
    int casos = 0, parens = 0;
    for (size_t j = i; j < t.size(); ++j) {
      if (EsSimbolo(t[j], "(")) ++parens;
      else if (EsSimbolo(t[j], ")")) --parens;
      else if (parens == 0 && EsPalabra(t[j], "CASE")) ++casos;
      else if (parens == 0 && EsPalabra(t[j], "END") && --casos == 0) return j;
    }
    return npos;
  }

  size_t Sig(size_t i) const { return Siguiente(t_, i); }

  // Last index of the operand starting at i; npos when none starts there.
  size_t Operando(size_t i) const {
    if (i == npos) return npos;
    const Token& k = t_[i];
    if (EsSimbolo(k, "-") || EsSimbolo(k, "+") || EsSimbolo(k, "~")) return Operando(Sig(i));
    size_t fin = npos;
    if (k.clase == ClaseToken::Palabra) {
      const size_t s = Sig(i);
      const bool llamada = s != npos && EsGrupo(t_[s]);
      if (llamada && !EsPalabra(k, "IN") && !EsPalabra(k, "EXISTS") && !EsPalabra(k, "VALUES") && !EsPalabra(k, "AS") &&
          !EsPalabra(k, "ON"))
        fin = s;
      else if (!EsClave(k)) fin = i;
    } else if (k.clase == ClaseToken::Numero || k.clase == ClaseToken::Literal || k.clase == ClaseToken::Corchete ||
               k.clase == ClaseToken::Comillas || k.clase == ClaseToken::FechaAccess || k.clase == ClaseToken::Crudo) {
      fin = i;
    }
    // Qualified names: a.b.c
    while (fin != npos) {
      const size_t punto = Sig(fin);
      if (punto == npos || !EsSimbolo(t_[punto], ".")) break;
      const size_t nombre = Sig(punto);
      if (nombre == npos || EsClave(t_[nombre]) ||
          (t_[nombre].clase != ClaseToken::Palabra && t_[nombre].clase != ClaseToken::Corchete &&
           t_[nombre].clase != ClaseToken::Comillas && !EsSimbolo(t_[nombre], "*")))
        break;
      fin = nombre;
    }
    return fin;
  }

  size_t Termino(size_t i) const {
    size_t fin = Operando(i);
    while (fin != npos) {
      const size_t op = Sig(fin);
      if (op == npos || !(EsSimbolo(t_[op], "*") || EsSimbolo(t_[op], "/") || EsSimbolo(t_[op], "%"))) break;
      const size_t otro = Operando(Sig(op));
      if (otro == npos) break;
      fin = otro;
    }
    return fin;
  }

  // The additive chain starting at i: its last index (npos when no operand
  // starts there). reescrita_ receives its new text when it holds a "+"
  // between values that are not all plain numbers; empty otherwise.
  size_t Cadena(size_t i) {
    reescrita_.clear();
    size_t fin = Termino(i);
    if (fin == npos) return npos;
    std::string acumulado = Unir(t_, i, fin + 1);
    bool haySuma = false, soloNumeros = t_[i].clase == ClaseToken::Numero && fin == i;
    while (true) {
      const size_t op = Sig(fin);
      if (op == npos || !(EsSimbolo(t_[op], "+") || EsSimbolo(t_[op], "-"))) break;
      const size_t ini = Sig(op);
      const size_t finTermino = Termino(ini);
      if (finTermino == npos) break;
      const std::string termino = Unir(t_, ini, finTermino + 1);
      soloNumeros = soloNumeros && t_[ini].clase == ClaseToken::Numero && finTermino == ini;
      if (EsSimbolo(t_[op], "+")) {
        acumulado = "SUMAR_TSQL(" + acumulado + ", " + termino + ")";
        haySuma = true;
      } else {
        acumulado += " - " + termino;
      }
      fin = finTermino;
    }
    if (haySuma && !soloNumeros) reescrita_ = acumulado;
    return fin;
  }

  std::vector<Token> t_;
  std::string reescrita_;
};

}  // namespace

void ReglaSuma(std::vector<Token>& t) {
  bool hayMas = false;
  for (const auto& k : t) hayMas = hayMas || EsSimbolo(k, "+");
  if (!hayMas) return;
  t = Tokenizar(Unir(Nivel(t).Resolver()));
}

}  // namespace dialecto_sqlite
