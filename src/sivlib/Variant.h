#pragma once
// The platform's variant value: what a recordset field, a configuration
// reader or a lookup returns. Empty (no value at all) and Null (a database
// null) are different states, as the callers tell them apart.
#include <string>

#include "sivlib/FechaHora.h"

class Variant {
 public:
  enum class Tipo { Vacio, Nulo, Texto, Numero, Fecha, Booleano };

  Variant() = default;
  static Variant Nulo();
  Variant(std::string t);
  Variant(const char* t);
  Variant(double n);
  Variant(int n) : Variant(double(n)) {}
  Variant(long n) : Variant(double(n)) {}
  Variant(long long n) : Variant(double(n)) {}
  Variant(FechaHora f);
  static Variant Booleano(bool b);

  Tipo tipo() const { return tipo_; }
  bool EsVacio() const { return tipo_ == Tipo::Vacio; }
  bool EsNulo() const { return tipo_ == Tipo::Nulo; }
  bool EsTexto() const { return tipo_ == Tipo::Texto; }
  bool EsNumero() const { return tipo_ == Tipo::Numero; }
  bool EsFecha() const { return tipo_ == Tipo::Fecha; }
  bool EsBooleano() const { return tipo_ == Tipo::Booleano; }

  // The value as the platform converts it to text: empty and null give "",
  // numbers their shortest decimal text with the regional decimal
  // separator (up to 15 significant digits), dates the regional
  // day/month/year form, booleans "Verdadero"/"Falso".
  std::string Texto() const;
  // Numbers as stored; texts read by ValorNumerico; dates as serial; else 0.
  double Numero() const;
  const FechaHora& Fecha() const { return fecha_; }
  bool Logico() const;

  bool operator==(const Variant& o) const;

 private:
  Tipo tipo_ = Tipo::Vacio;
  std::string texto_;
  double numero_ = 0;
  FechaHora fecha_;
};

// Shortest decimal text of a number, up to 15 significant digits, no
// exponent for ordinary magnitudes, with the given decimal separator.
std::string TextoDeNumero(double n, char separadorDecimal);
