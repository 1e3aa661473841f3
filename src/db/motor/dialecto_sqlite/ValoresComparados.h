#pragma once
// A literal compared in a statement (WHERE, ON, CASE WHEN ...) stands on
// SQL Server for several texts SQLite keeps apart: 'ana ' for 'ana', 'ana ',
// 'ana  ' ... (SQL Server ignores trailing blanks on both sides), or the
// day '09/12/2026' for '2026-12-09' and '2026-12-09 00:00:00' (a date is
// midnight of that day, whichever form the engine stored it in).
//
// Given the first and the last of those texts in sorting order (and all of
// them as items of an IN list), the comparison is rewritten so that SQLite
// answers as SQL Server does, keeping the other operand on its own side (a
// column's collation and index still count):
//   X = v, X <> v          ->  X BETWEEN first AND last, X NOT BETWEEN ...
//   X < v, X >= v, X !< v  ->  against the first
//   X > v, X <= v, X !> v  ->  against the last
//   X BETWEEN v AND w      ->  X BETWEEN first of v AND last of w
//   X IN (v, ...)          ->  X IN (items of v, ...)
//   v op X                 ->  as X op' v, with op' the operator seen from X
// A literal compared with another literal, or one whose other operand
// cannot be told apart, is replaced by the first.
#include <map>
#include <string>
#include <vector>

#include "db/motor/dialecto_sqlite/Lexico.h"

namespace dialecto_sqlite {

class ValoresComparados {
 public:
  explicit ValoresComparados(const std::vector<Token>& t);

  // Whether the literal token at `i` is compared (not stored by an INSERT
  // or UPDATE SET, not a LIKE pattern, not part of a longer operand).
  bool EsComparado(size_t i) const;
  // The texts a literal stands for, as SQL expressions.
  struct Equivalentes {
    std::string primero;  // the first in sorting order
    std::string ultimo;   // the last
    std::string lista;    // the items an IN list takes for it ("'a', 'a '")
  };
  // Records that the literal at `i` stands for `e`. A literal not compared
  // is left alone.
  void Equivaler(size_t i, const Equivalentes& e);
  // Rewrites the recorded comparisons in `t` (the tokens given at
  // construction; indices change afterwards).
  void Aplicar(std::vector<Token>& t) const;

 private:
  enum class Papel { Ninguno, Derecha, Izquierda, ListaIn, EntreDesde, EntreHasta };
  struct Lugar {
    Papel papel = Papel::Ninguno;
    size_t operador = std::string::npos;  // Derecha, Izquierda: the comparison operator
    size_t finOtro = std::string::npos;   // Izquierda: last token of the operand on the right
    bool otroEsLiteral = false;
  };
  struct Cambio {
    size_t desde, hasta;  // tokens [desde, hasta] replaced
    std::vector<Token> por;
  };

  Lugar Ubicar(size_t i) const;
  Cambio CambioPara(size_t i, const Lugar& l, const Equivalentes& e) const;

  const std::vector<Token>& t_;
  std::vector<bool> asignacion_;  // the "=" of UPDATE SET: assignments, no comparisons
  std::map<size_t, Cambio> cambios_;
};

}  // namespace dialecto_sqlite
