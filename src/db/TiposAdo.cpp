// Classifying ADO field type codes, so that callers know whether a value
// needs quotes in SQL text.
#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <optional>

#include "db/DB_Dll.h"
#include "sivlib/Texto.h"

namespace {

// The code held by the variant, compared as a number the way the platform
// compares a variant with a numeric case: 7.5 is no code, the text "7" is 7.
// None for an empty, null or non-numeric value. Texts are read without
// throwing, so an absurdly long digit string is simply no known code.
std::optional<double> Codigo(const Variant& v) {
  if (v.EsNumero()) return v.Numero();
  if (!v.EsTexto()) return std::nullopt;
  const std::string t = texto::Recortado(v.Texto());
  double n = 0;
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (t.empty() || ec != std::errc() || fin != t.data() + t.size()) return std::nullopt;
  return n;
}

bool EnConjunto(const Variant& v, std::initializer_list<int> codigos) {
  const auto c = Codigo(v);
  return c && std::find(codigos.begin(), codigos.end(), *c) != codigos.end();
}

}  // namespace

bool DB_Dll::adodate(const Variant& q) { return EnConjunto(q, {7, 64, 133, 134, 135, 137}); }
bool DB_Dll::ADOText(const Variant& q) { return EnConjunto(q, {8, 129, 130, 200, 201, 202, 203}); }
bool DB_Dll::ADONumeric(const Variant& q) { return EnConjunto(q, {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131}); }
bool DB_Dll::ADOCurrency(const Variant& q) { return EnConjunto(q, {6}); }
bool DB_Dll::ADOBoolean(const Variant& q) { return EnConjunto(q, {11}); }
std::string DB_Dll::ADOComilla(const Variant& q) { return adodate(q) || ADOText(q) ? "'" : ""; }
