#include "sivlib/Utiles.h"

#include <cmath>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "sivlib/ModeloVentana.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"
#include "sivlib/Texto.h"
#include "sivlib/Utf8.h"

std::string Recortar(std::string_view texto, int n) {
  if (n <= 0) return "";
  // Characters, not bytes: a UTF-8 sequence is never split.
  return std::string(texto.substr(0, utf8::BytesDeCaracteres(texto, size_t(n))));
}

namespace {

// Reads sign, digits and decimals from s[i]; `decimales` are the accepted
// decimal marks. Returns false when no digit was found.
bool LeerPrefijo(std::string_view s, std::string_view decimales, double& valor) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negativo = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
    negativo = s[i] == '-';
    ++i;
  }
  std::string digitos;
  bool hayDigito = false;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    digitos += s[i++];
    hayDigito = true;
  }
  if (i < s.size() && decimales.find(s[i]) != std::string_view::npos) {
    ++i;
    std::string frac;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
      frac += s[i++];
      hayDigito = true;
    }
    if (!frac.empty()) digitos += "." + frac;
  }
  if (!hayDigito) return false;
  if (!digitos.empty() && digitos[0] == '.') digitos = "0" + digitos;
  valor = std::strtod(digitos.c_str(), nullptr);
  if (negativo) valor = -valor;
  return true;
}

}  // namespace

double ValorNumerico(std::string_view texto) {
  const char marcas[] = {'.', regional::SeparadorDecimal(), 0};
  double v = 0;
  if (!LeerPrefijo(texto, marcas, v)) return 0;
  const double r = std::round(v * 10000.0) / 10000.0;
  return r == 0 ? 0 : r;  // no negative zero
}

int ValorEntero(std::string_view texto) {
  const double v = std::trunc(ValorNumerico(texto));
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return int(v);
}

double Val(std::string_view texto) {
  std::string limpio;
  for (char c : texto)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') limpio += c;
  // Longest prefix of the form [sign]digits[.digits][(E|D)[sign]digits].
  size_t i = 0;
  std::string num;
  if (i < limpio.size() && (limpio[i] == '-' || limpio[i] == '+')) num += limpio[i++];
  bool digito = false;
  while (i < limpio.size() && isdigit((unsigned char)limpio[i])) {
    num += limpio[i++];
    digito = true;
  }
  if (i < limpio.size() && limpio[i] == '.') {
    num += limpio[i++];
    while (i < limpio.size() && isdigit((unsigned char)limpio[i])) {
      num += limpio[i++];
      digito = true;
    }
  }
  if (!digito) return 0;
  if (i < limpio.size() && (limpio[i] == 'E' || limpio[i] == 'e' || limpio[i] == 'D' || limpio[i] == 'd')) {
    size_t j = i + 1;
    std::string exp = "e";
    if (j < limpio.size() && (limpio[j] == '-' || limpio[j] == '+')) exp += limpio[j++];
    bool hay = false;
    while (j < limpio.size() && isdigit((unsigned char)limpio[j])) {
      exp += limpio[j++];
      hay = true;
    }
    if (hay) num += exp;
  }
  const double v = std::strtod(num.c_str(), nullptr);
  return std::isfinite(v) ? v : 0;
}

std::string SinNulo(const Variant& v) { return v.Texto(); }

int ContarPalabras(std::string_view texto) {
  int n = 0;
  bool dentro = false;
  for (char c : texto) {
    const bool blanco = c == ' ' || c == '\t' || c == '\r' || c == '\n';
    if (!blanco && !dentro) ++n;
    dentro = !blanco;
  }
  return n;
}

std::string QuitarCaracteres(std::string_view texto, std::string_view c1, std::string_view c2, std::string_view c3) {
  std::string r(texto);
  for (auto c : {c1, c2, c3})
    if (!c.empty()) r = texto::ReemplazarTodo(r, c, "");
  return r;
}

std::string Reemplazar(std::string_view texto, std::string_view buscar, std::string_view reemplazo) {
  return texto::ReemplazarTodo(texto, buscar, reemplazo);
}

std::string FormatearCodigo(std::string_view codigo, int ancho) {
  std::string c = texto::Recortado(codigo);
  if (ancho > 0 && c.size() < size_t(ancho)) c.insert(0, size_t(ancho) - c.size(), ' ');
  return c;
}

std::string ConBarraFinal(std::string_view carpeta) {
  std::string c(carpeta);
  if (c.empty()) return c;
  while (c.size() > 1 && (c.back() == '/' || c.back() == '\\') && (c[c.size() - 2] == '/' || c[c.size() - 2] == '\\'))
    c.pop_back();
  if (c.back() != '/' && c.back() != '\\') c += '/';
  return c;
}

namespace {
const std::string_view kClave = "V0rn4|Pr4x3l";
}

std::string Cifrar(std::string_view texto) {
  static const char* hex = "0123456789ABCDEF";
  std::string r = "~";
  for (size_t i = 0; i < texto.size(); ++i) {
    const unsigned char b = (unsigned char)texto[i] ^ (unsigned char)kClave[i % kClave.size()] ^ (unsigned char)(i * 7);
    r += hex[b >> 4];
    r += hex[b & 15];
  }
  return r;
}

std::string Descifrar(std::string_view texto) {
  auto valor = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  if (texto.empty() || texto[0] != '~' || (texto.size() - 1) % 2 != 0) return std::string(texto);
  std::string r;
  for (size_t i = 1, k = 0; i < texto.size(); i += 2, ++k) {
    const int a = valor(texto[i]), b = valor(texto[i + 1]);
    if (a < 0 || b < 0) return std::string(texto);
    r += char((unsigned char)(a * 16 + b) ^ (unsigned char)kClave[k % kClave.size()] ^ (unsigned char)(k * 7));
  }
  return r;
}

bool EstaEnLista(std::string_view valor, std::initializer_list<std::string_view> nombres) {
  for (auto n : nombres)
    if (texto::IgualesSinCaso(valor, n)) return true;
  return false;
}

bool EstaEnLista(std::string_view valor, const std::vector<std::string>& nombres) {
  for (const auto& n : nombres)
    if (texto::IgualesSinCaso(valor, n)) return true;
  return false;
}

bool EsDeMatriz(const ControlVentana& control) { return control.indice >= 0; }

std::string ElegirFecha(const std::string& inicial) { return operador().ElegirFecha(inicial); }

int MostrarError(const ErrorSistema& error, const std::string& rutina) {
  if (error.numero == 0) return 0;
  std::string texto = "Se produjo un error";
  if (!rutina.empty()) texto += " en " + rutina;
  texto += ":\r(" + std::to_string(error.numero) + ") " + error.descripcion;
  return operador().Mensaje(texto, botones::AbortarReintentarIgnorar + botones::Critico, "Aviso al Operador");
}
