// A value written as a SQL literal for the INSERT / UPDATE texts that the
// shared services build from lists of fields and values.
#include "db/DB_Dll.h"
#include "sivlib/Utiles.h"

Variant DB_Dll::SQLValue(Variant Valor, const std::string& Tipo) {
  std::string marca;
  const bool importe = Tipo == "@";
  if (importe) {
    // Amounts always carry "." whatever the regional decimal separator is.
    const std::string cantidad = Variant(ValorNumerico(Valor.Texto())).Texto();
    Valor = Variant(Reemplazar(cantidad, ",", "."));
  }
  if (Tipo == "'") marca = "'";
  if (Valor.EsNulo()) return Variant(importe ? "0" : "NULL");
  return Variant(marca + Valor.Texto() + marca);
}
