#include "services/FmtMoneda.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "sivlib/Regional.h"
#include "sivlib/Utiles.h"
#include "sivlib/ValoresGlobales.h"

namespace {

int DecimalesPedidos(int decimales) {
  int n = decimales == -1 ? static_cast<int>(Val(gDecimalesMoneda)) : decimales;
  if (n == 0) n = regional::DecimalesMoneda();
  if (n == -2) n = 0;
  return n < 0 ? 0 : n;
}

// |valor| rounded half to even to n decimals, as the digits of the integer
// part and of the fraction. ValorNumerico keeps 4 decimals, so the value
// scaled by 10^4 is an exact integer and the rounding is decided on
// integers, not on binary fractions.
void Redondear(double valor, int n, std::string& entero, std::string& fraccion) {
  const double escalado = std::fabs(valor) * 1e4;
  if (escalado < 9e18) {
    uint64_t unidades = static_cast<uint64_t>(std::llround(escalado));
    if (n < 4) {
      uint64_t divisor = 1;
      for (int i = n; i < 4; ++i) divisor *= 10;
      const uint64_t cociente = unidades / divisor, resto = unidades % divisor;
      const bool sube = resto * 2 > divisor || (resto * 2 == divisor && cociente % 2 == 1);
      unidades = (cociente + (sube ? 1 : 0)) * divisor;
    }
    entero = std::to_string(unidades / 10000);
    char frac[8];
    std::snprintf(frac, sizeof frac, "%04llu", static_cast<unsigned long long>(unidades % 10000));
    fraccion = std::string(frac).substr(0, n < 4 ? n : 4);
  } else {
    // Beyond 9e14 there are no decimals left in a double.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", std::nearbyint(std::fabs(valor)));
    entero = buf;
    fraccion.clear();
  }
  if (static_cast<int>(fraccion.size()) < n) fraccion.append(n - fraccion.size(), '0');
}

std::string Agrupar(const std::string& digitos, char separador) {
  std::string r;
  for (size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) r += separador;
    r += digitos[i];
  }
  return r;
}

}  // namespace

std::string FmtMoneda(const std::string& valor, int decimales, bool agrupado) {
  if (decimales == -3) return valor;
  const int n = DecimalesPedidos(decimales);
  const double numero = ValorNumerico(valor);
  std::string entero, fraccion;
  Redondear(numero, n, entero, fraccion);
  std::string r = agrupado ? Agrupar(entero, regional::SeparadorMiles()) : entero;
  // A pattern with no decimals leaves no separator behind.
  if (n > 0) r += regional::SeparadorDecimal() + fraccion;
  const bool cero =
      entero.find_first_not_of('0') == std::string::npos && fraccion.find_first_not_of('0') == std::string::npos;
  return numero < 0 && !cero ? "-" + r : r;
}
