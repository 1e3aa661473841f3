#pragma once
// Reads the fields of a recordset's current row for the row rules of a
// data set. A field the row does not have reads as empty and is kept as
// the row's failure (ADO's 3265), so that the export's error dialog can
// show it once the row's texts are built.
#include <string>

#include "db/Recordset.h"
#include "sivlib/ErrorSistema.h"
#include "sivlib/Variant.h"

namespace vorna {

class LectorFila {
 public:
  explicit LectorFila(const Recordset& rs) : rs_(rs) {}

  // The field's value.
  Variant Valor(const std::string& campo);
  // "Text of a column": the value through SinNulo, a null as empty text.
  std::string Texto(const std::string& campo);
  // The text, for a rule that reads it as a number (TextoParaNumero).
  std::string TextoNumerico(const std::string& campo);
  // The text, trimmed.
  std::string Recortado(const std::string& campo);

  // The first failure since the last Limpiar (number 0: none).
  const ErrorSistema& Error() const { return error_; }
  void Limpiar() { error_ = {}; }

 private:
  const Recordset& rs_;
  ErrorSistema error_;
};

}  // namespace vorna
