#pragma once
// Exact decimal number of up to 28 significant digits with up to 28
// decimals, the platform's Decimal: JSON numbers are kept in it so that
// amounts and codes keep every digit a binary double would lose.
// Values are normalised (no trailing decimal zeros, no negative zero), so
// two equal numbers compare equal field by field.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sivlib/ErrorSistema.h"

class Decimal {
 public:
  static constexpr int MaximoDigitos = 28;

  Decimal() = default;
  static Decimal DesdeEntero(long long n);

  // Reads [sign] digits [mark digits] [(e|E) [sign] digits], where the mark
  // is "." or the given regional decimal separator; at least one digit.
  // Digits beyond 28 significant digits or 28 decimals are rounded half to
  // even. Text of another form fails with "type mismatch" (13), a value of
  // 10^28 or more with "overflow" (6); `error` then says which.
  static std::optional<Decimal> DesdeTexto(std::string_view texto, char separadorDecimal,
                                           ErrorSistema* error = nullptr);

  // Plain decimal text: sign, digits, the separator before the decimals;
  // no exponent, no thousands marks, "0" for zero.
  std::string Texto(char separadorDecimal = '.') const;
  double ADouble() const;

  bool EsNegativo() const { return negativo_; }
  int Escala() const { return escala_; }

  bool operator==(const Decimal&) const = default;

 private:
  static Decimal DesdeDigitos(std::string_view digitos, int escala, bool negativo);
  std::string Digitos() const;

  // value = (alto_ * 10^19 + bajo_) / 10^escala_
  uint64_t alto_ = 0;  // below 10^9
  uint64_t bajo_ = 0;  // below 10^19
  uint8_t escala_ = 0;
  bool negativo_ = false;
};
