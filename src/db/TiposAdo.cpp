// Classifying ADO field type codes, so that callers know whether a value
// needs quotes in SQL text.
#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <optional>

#include "db/DB_Dll.h"
#include "sivlib/Texto.h"

namespace {

// The code held by the variant; none for an empty, null or non-numeric value.
std::optional<long> Codigo(const Variant& v) {
  if (v.EsNumero()) return static_cast<long>(v.Numero());
  if (v.EsTexto()) {
    const std::string t = texto::Recortado(v.Texto());
    if (t.empty() || !std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); }))
      return std::nullopt;
    return std::stol(t);
  }
  return std::nullopt;
}

bool EnConjunto(const Variant& v, std::initializer_list<long> codigos) {
  const auto c = Codigo(v);
  return c && std::find(codigos.begin(), codigos.end(), *c) != codigos.end();
}

}  // namespace

bool DB_Dll::adodate(const Variant& q) { return EnConjunto(q, {7, 64, 133, 134, 135, 137}); }
bool DB_Dll::ADOText(const Variant& q) { return EnConjunto(q, {8, 129, 130, 200, 201, 202, 203}); }
bool DB_Dll::ADONumeric(const Variant& q) {
  return EnConjunto(q, {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131});
}
bool DB_Dll::ADOCurrency(const Variant& q) { return EnConjunto(q, {6}); }
bool DB_Dll::ADOBoolean(const Variant& q) { return EnConjunto(q, {11}); }
std::string DB_Dll::ADOComilla(const Variant& q) { return adodate(q) || ADOText(q) ? "'" : ""; }
