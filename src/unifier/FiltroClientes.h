#pragma once
// The customer filter of the sales and route files: a line is written only
// for a customer that VT_CLIENTES has. Each code is asked once per file
// (the answer does not change while one file is written), so the lookups
// grow with the customers, not with the lines.
#include <string>
#include <string_view>
#include <unordered_map>

#include "sivlib/ErrorSistema.h"

namespace vorna {

class FiltroClientes {
 public:
  // Whether a row of VT_CLIENTES has the trimmed `codigo` in "Codigo"
  // (the database layer's ExisteEnTabla, text comparison, read-only). A
  // lookup that could not be made is a failure, never "not a customer":
  // a line must not vanish because the database did not answer.
  ErrorSistema Existe(std::string_view codigo, bool& existe);

  // Database lookups made so far.
  long Consultas() const { return consultas_; }

 private:
  std::unordered_map<std::string, bool> conocidos_;
  long consultas_ = 0;
};

}  // namespace vorna
