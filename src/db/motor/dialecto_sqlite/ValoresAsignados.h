#pragma once
// The values a statement gives to columns: each value of INSERT INTO t
// [(c1, c2, ...)] VALUES (...)[, (...)] and each assignment of UPDATE t
// SET c = ... . Rules that must treat a stored value apart from a compared
// one (dates kept as text, blanks kept in assignments) read them here.
#include <string>
#include <vector>

#include "db/motor/dialecto_sqlite/Lexico.h"

namespace dialecto_sqlite {

struct ValorAsignado {
  std::string tabla;                    // without owner and quotes
  std::string columna;                  // empty when not named (INSERT without column list: see posicion)
  size_t posicion = std::string::npos;  // place in its VALUES row; npos in an UPDATE
  size_t desde = 0, hasta = 0;          // its tokens [desde, hasta), without blanks around
  size_t igual = std::string::npos;     // the "=" that assigns it in an UPDATE's SET list
};

// Nothing for other statements, nor for parts of these it cannot read.
std::vector<ValorAsignado> ValoresAsignados(const std::vector<Token>& t);

// The value is exactly one literal (a quoted text or a #date#).
bool EsLiteralSolo(const std::vector<Token>& t, const ValorAsignado& v);

}  // namespace dialecto_sqlite
