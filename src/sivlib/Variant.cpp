#include "sivlib/Variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sivlib/Regional.h"
#include "sivlib/Utiles.h"

Variant Variant::Nulo() {
  Variant v;
  v.tipo_ = Tipo::Nulo;
  return v;
}

Variant::Variant(std::string t) : tipo_(Tipo::Texto), texto_(std::move(t)) {}
Variant::Variant(const char* t) : tipo_(Tipo::Texto), texto_(t ? t : "") {}
Variant::Variant(double n) : tipo_(Tipo::Numero), numero_(n) {}
Variant::Variant(FechaHora f) : tipo_(Tipo::Fecha), fecha_(f) {}

Variant Variant::Booleano(bool b) {
  Variant v;
  v.tipo_ = Tipo::Booleano;
  v.numero_ = b ? -1 : 0;
  return v;
}

std::string TextoDeNumero(double n, char sep) {
  if (n == 0) return "0";
  // 15 significant digits, trailing zeros dropped: the platform's text of a number.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", n);
  std::string r = buf;
  // Rewrite exponent forms of ordinary magnitudes as plain decimals.
  if (r.find('e') != std::string::npos && std::fabs(n) < 1e15 && std::fabs(n) >= 1e-10) {
    std::snprintf(buf, sizeof buf, "%.*f", 15 + int(-std::floor(std::log10(std::fabs(n)))), n);
    r = buf;
    if (r.find('.') != std::string::npos) {
      while (!r.empty() && r.back() == '0') r.pop_back();
      if (!r.empty() && r.back() == '.') r.pop_back();
    }
  }
  for (auto& c : r)
    if (c == '.') c = sep;
  return r;
}

std::string Variant::Texto() const {
  switch (tipo_) {
    case Tipo::Vacio:
    case Tipo::Nulo: return "";
    case Tipo::Texto: return texto_;
    case Tipo::Numero: return TextoDeNumero(numero_, regional::SeparadorDecimal());
    case Tipo::Fecha: return fecha_.Regional();
    case Tipo::Booleano: return numero_ != 0 ? "Verdadero" : "Falso";
  }
  return "";
}

double Variant::Numero() const {
  switch (tipo_) {
    case Tipo::Numero:
    case Tipo::Booleano: return numero_;
    case Tipo::Texto: return ValorNumerico(texto_);
    case Tipo::Fecha: return fecha_.Serial();
    default: return 0;
  }
}

bool Variant::Logico() const {
  if (tipo_ == Tipo::Texto) {
    const std::string t = texto_;
    if (t == "True" || t == "true" || t == "Verdadero" || t == "VERDADERO") return true;
    return ValorNumerico(t) != 0;
  }
  return Numero() != 0;
}

bool Variant::operator==(const Variant& o) const {
  if (tipo_ != o.tipo_) return false;
  switch (tipo_) {
    case Tipo::Texto: return texto_ == o.texto_;
    case Tipo::Numero:
    case Tipo::Booleano: return numero_ == o.numero_;
    case Tipo::Fecha: return fecha_ == o.fecha_;
    default: return true;
  }
}
