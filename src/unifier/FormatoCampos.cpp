#include "unifier/FormatoCampos.h"

#include <charconv>
#include <cmath>

#include "services/FmtMoneda.h"
#include "sivlib/Regional.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/Utf8.h"
#include "unifier/ConstantesVorna.h"

namespace vorna {
std::string FechaArchivo(const FechaHora& fecha) { return fecha.Formato("yyyymmdd"); }

std::string FechaArchivo(const Variant& valor) {
  if (valor.EsFecha()) return FechaArchivo(valor.Fecha());
  if (!valor.EsTexto()) return "";
  const auto fecha = FechaHora::DesdeTexto(texto::Recortado(valor.Texto()));
  return fecha ? FechaArchivo(*fecha) : "";
}

std::string TextoMoneda(std::string_view texto) {
  return texto::ReemplazarTodo(texto::Recortado(FmtMoneda(std::string(texto), 2, false)), ",", ".");
}

std::string TextoMonedaSinSigno(std::string_view texto) {
  // The formatter rounds the absolute value and puts the sign in front, so
  // the text of |x| is the text of x without its "-".
  std::string r = TextoMoneda(texto);
  if (!r.empty() && r.front() == '-') r.erase(0, 1);
  return r;
}

std::string TextoParaNumero(const Variant& valor) {
  if (!valor.EsNumero()) return SinNulo(valor);
  // to_chars in the general form with a precision writes what printf's
  // "%.15g" writes, several times faster.
  char buf[48];
  const auto r = std::to_chars(buf, buf + sizeof buf, valor.Numero(), std::chars_format::general, 15);
  const std::string_view texto(buf, r.ptr - buf);
  // Exponent forms, infinities and NaN: the value's own text.
  if (r.ec != std::errc() || texto.find_first_of("eEnN") != std::string_view::npos) return SinNulo(valor);
  return std::string(texto);
}

std::string TextoNumero(std::string_view texto) {
  const double n = ValorNumerico(texto);
  // A whole number's text is its digits, as the shortest text gives them.
  if (n == std::trunc(n) && std::fabs(n) < 1e15) return texto::Entero(static_cast<long long>(n));
  return TextoDeNumero(n, regional::SeparadorDecimal());
}

std::string UltimosCaracteres(std::string_view texto, size_t n) {
  return std::string(utf8::UltimosCaracteres(texto, n));
}

std::string CodigoVorna(std::string_view texto) { return texto::Recortado(UltimosCaracteres(texto, kLargoCodigo)); }

std::string TextoAjustado(std::string_view texto) { return texto::Recortado(Recortar(texto, kLargoTexto)); }

std::string DocumentoSinSeparadores(std::string_view texto) {
  std::string r;
  for (char c : texto::Recortado(texto))
    if (c != '-' && c != '/' && c != '.' && c != '\\') r += c;
  return r;
}

std::string TransaccionVorna(std::string_view texto) {
  std::string t = texto::Recortado(texto);
  if (texto::EmpiezaSinCaso(t, "FP")) t = texto::ReemplazarSinCaso(texto::ReemplazarSinCaso(t, "FP", "FC"), "X", "A");
  else if (texto::EmpiezaSinCaso(t, "NCFP"))
    t = texto::ReemplazarSinCaso(texto::ReemplazarSinCaso(t, "NCFP", "NC"), "X", "A");
  return texto::Recortado(t);
}

std::string VendedorRuta(std::string_view texto) {
  const std::string s = texto::Recortado(texto);
  return s.empty() ? std::string(kVendedorPorDefecto) : s;
}

std::string MarcaBaja(std::string_view texto) { return ValorNumerico(texto) == 1 ? "1" : "0"; }

}  // namespace vorna
