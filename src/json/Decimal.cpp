#include "json/Decimal.h"

#include <algorithm>
#include <cstdlib>

#include "json/FallosPlataforma.h"

namespace {

constexpr const char* kOrigen = "Decimal";
// Far beyond any meaningful exponent, small enough never to overflow an int.
constexpr long kExponenteTope = 100000;

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// Rounds the digit text half to even, dropping its last `quitar` digits.
std::string Redondear(const std::string& digitos, size_t quitar) {
  if (quitar == 0) return digitos;
  if (quitar > digitos.size()) return "0";
  std::string r = digitos.substr(0, digitos.size() - quitar);
  const std::string_view resto = std::string_view(digitos).substr(digitos.size() - quitar);
  const bool masDeMedio =
      resto[0] > '5' || (resto[0] == '5' && resto.find_first_not_of('0', 1) != std::string_view::npos);
  const bool justoMedio = resto[0] == '5' && !masDeMedio;
  const int ultima = r.empty() ? 0 : r.back() - '0';
  if (masDeMedio || (justoMedio && ultima % 2 == 1)) {
    int i = int(r.size()) - 1;
    while (i >= 0 && r[size_t(i)] == '9') r[size_t(i--)] = '0';
    if (i < 0) r.insert(r.begin(), '1');
    else ++r[size_t(i)];
  }
  return r.empty() ? "0" : r;
}

}  // namespace

Decimal Decimal::DesdeEntero(long long n) {
  const bool negativo = n < 0;
  const unsigned long long magnitud = negativo ? 0ULL - (unsigned long long)n : (unsigned long long)n;
  return DesdeDigitos(std::to_string(magnitud), 0, negativo);
}

Decimal Decimal::DesdeDigitos(std::string_view digitos, int escala, bool negativo) {
  Decimal d;
  while (digitos.size() > 1 && digitos[0] == '0') digitos.remove_prefix(1);
  while (escala > 0 && digitos.size() > 1 && digitos.back() == '0') {
    digitos.remove_suffix(1);
    --escala;
  }
  const size_t corte = digitos.size() > 19 ? digitos.size() - 19 : 0;
  for (char c : digitos.substr(0, corte)) d.alto_ = d.alto_ * 10 + uint64_t(c - '0');
  for (char c : digitos.substr(corte)) d.bajo_ = d.bajo_ * 10 + uint64_t(c - '0');
  const bool cero = d.alto_ == 0 && d.bajo_ == 0;
  d.escala_ = cero ? 0 : uint8_t(escala);
  d.negativo_ = negativo && !cero;
  return d;
}

std::optional<Decimal> Decimal::DesdeTexto(std::string_view t, char separadorDecimal, ErrorSistema* error) {
  auto falla = [&](ErrorSistema e) -> std::optional<Decimal> {
    if (error) *error = std::move(e);
    return std::nullopt;
  };
  size_t i = 0;
  bool negativo = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
  std::string digitos;
  long decimales = 0;
  while (i < t.size() && EsDigito(t[i])) digitos += t[i++];
  if (i < t.size() && (t[i] == '.' || t[i] == separadorDecimal)) {
    ++i;
    while (i < t.size() && EsDigito(t[i])) {
      digitos += t[i++];
      ++decimales;
    }
  }
  if (digitos.empty()) return falla(fallos::TiposDistintos(kOrigen));
  long exponente = 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    bool expNegativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) expNegativo = t[i++] == '-';
    if (i >= t.size() || !EsDigito(t[i])) return falla(fallos::TiposDistintos(kOrigen));
    while (i < t.size() && EsDigito(t[i])) {
      if (exponente < kExponenteTope) exponente = exponente * 10 + (t[i] - '0');
      ++i;
    }
    if (expNegativo) exponente = -exponente;
  }
  if (i != t.size()) return falla(fallos::TiposDistintos(kOrigen));

  const size_t primero = digitos.find_first_not_of('0');
  if (primero == std::string::npos) return Decimal();
  digitos.erase(0, primero);
  // value = digitos * 10^potencia
  long potencia = exponente - decimales;
  if (long(digitos.size()) + potencia > MaximoDigitos) return falla(fallos::Desbordamiento(kOrigen));
  if (potencia > 0) {
    digitos.append(size_t(potencia), '0');
    potencia = 0;
  }
  long escala = -potencia;
  const long sobrantes = std::max(escala - MaximoDigitos, long(digitos.size()) - MaximoDigitos);
  if (sobrantes > 0) {
    digitos = Redondear(digitos, size_t(sobrantes));
    escala -= sobrantes;
    if (long(digitos.size()) > MaximoDigitos) {  // the rounding carried into a new digit
      if (escala == 0) return falla(fallos::Desbordamiento(kOrigen));
      digitos.pop_back();
      --escala;
    }
  }
  return DesdeDigitos(digitos, int(escala), negativo);
}

std::string Decimal::Digitos() const {
  if (alto_ == 0) return std::to_string(bajo_);
  std::string bajo = std::to_string(bajo_);
  return std::to_string(alto_) + std::string(19 - bajo.size(), '0') + bajo;
}

std::string Decimal::Texto(char separadorDecimal) const {
  std::string digitos = Digitos();
  if (escala_ > 0) {
    if (digitos.size() <= escala_) digitos.insert(0, escala_ + 1 - digitos.size(), '0');
    digitos.insert(digitos.size() - escala_, 1, separadorDecimal);
  }
  return negativo_ ? "-" + digitos : digitos;
}

double Decimal::ADouble() const { return std::strtod(Texto('.').c_str(), nullptr); }
