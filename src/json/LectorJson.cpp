#include "json/LectorJson.h"

#include <cstring>

#include "json/FallosPlataforma.h"
#include "sivlib/Utf8.h"
#include "sivlib/Regional.h"

namespace JSON {

namespace {

constexpr size_t kMuestra = 20;  // characters quoted from the text in a message
constexpr const char* kFinDeLinea = "\r\n";
constexpr const char* kCaracteresDeNumero = "+-0123456789.eE";

bool EsBlancoDeClave(char c) { return c == '\r' || c == '\n' || c == '\t' || c == ' '; }

bool EsBlanco(char c) { return EsBlancoDeClave(c) || c == '(' || c == ')'; }

// Where a bad literal inside an array ends: the next character that could
// begin or end something else.
bool EsDelimitador(char c) { return EsBlanco(c) || std::strchr(",[]{}\"'/", c) != nullptr; }

int ValorHexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The 4 hexadecimal digits at p as a UTF-16 code, or -1.
long Hexa4(std::string_view t, size_t p) {
  if (p + 4 > t.size()) return -1;
  long codigo = 0;
  for (size_t i = p; i < p + 4; ++i) {
    const int d = ValorHexa(t[i]);
    if (d < 0) return -1;
    codigo = codigo * 16 + d;
  }
  return codigo;
}

// The character that an escape letter stands for, or 0 for other letters.
char CaracterDeControl(char e) {
  switch (e) {
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return 0;
  }
}

// Releases the nesting level taken by an object or array reader.
struct Nivel {
  int& profundidad;
  ~Nivel() { --profundidad; }
};

}  // namespace

LectorJson::LectorJson(std::string_view texto, std::string& errores) : t_(texto), errores_(errores) {}

std::string LectorJson::Posicion(size_t p) {
  if (p < cuentaByte_) cuentaByte_ = cuentaCaracteres_ = 0;
  p = std::min(p, t_.size());
  cuentaCaracteres_ += utf8::ContarCaracteres(t_.substr(cuentaByte_, p - cuentaByte_));
  cuentaByte_ = p;
  return std::to_string(cuentaCaracteres_ + 1);
}

std::string_view LectorJson::Siguientes(size_t p) const {
  if (p >= t_.size()) return {};
  const std::string_view resto = t_.substr(p);
  return resto.substr(0, utf8::BytesDeCaracteres(resto, kMuestra));
}

std::string_view LectorJson::Ultimos() const { return utf8::UltimosCaracteres(t_, kMuestra); }

void LectorJson::Reportar(const std::string& mensaje) {
  if (abandonado_) return;
  if (errores_.size() > ErroresMaximo) {
    errores_ += "Too many errors, the parse stops here";
    errores_ += kFinDeLinea;
    abandonado_ = true;
    return;
  }
  errores_ += mensaje;
  errores_ += kFinDeLinea;
}

void LectorJson::ReportarEn(const char* que, size_t p, std::string_view muestra) {
  if (abandonado_) return;
  std::string m = que;
  m += " at position ";
  m += Posicion(p);
  m += " : ";
  m += muestra;
  Reportar(m);
}

bool LectorJson::EntrarNivel(size_t p) {
  if (profundidad_ >= ProfundidadMaxima) {
    ReportarEn(("Nesting deeper than " + std::to_string(ProfundidadMaxima) + " levels").c_str(), p, Siguientes(p));
    // Every enclosing reader would report its own missing bracket: the whole parse stops instead.
    abandonado_ = true;
    return false;
  }
  ++profundidad_;
  return true;
}

// Blanks, line breaks, tabs and parentheses are skipped, and so are
// comments: "//" to the end of the line, "/*" to the next "*/". A lone "/"
// or "*" outside a comment is skipped as well. Comments are read by these
// rules rather than by the old three-flag scan, which ended a line comment
// at any "/" inside it and turned a stray "*/" into the start of one,
// silently swallowing members that followed.
void LectorJson::SaltarBlancos(size_t& p) const {
  const size_t n = t_.size();
  while (p < n) {
    const char c = t_[p];
    if (EsBlanco(c) || c == '*') {
      ++p;
    } else if (c != '/') {
      return;
    } else if (p + 1 < n && t_[p + 1] == '/') {
      p += 2;
      while (p < n && t_[p] != '\r' && t_[p] != '\n') ++p;
    } else if (p + 1 < n && t_[p + 1] == '*') {
      const size_t fin = t_.find("*/", p + 2);
      p = fin == std::string_view::npos ? n : fin + 2;
    } else {
      ++p;
    }
  }
}

ValorJson LectorJson::LeerValor(size_t& p) {
  SaltarBlancos(p);
  if (abandonado_) return ValorJson();
  if (p >= t_.size()) return LeerNumero(p);
  switch (t_[p]) {
    case '{': return LeerObjeto(p);
    case '[': return LeerLista(p);
    case '"':
    case '\'': return LeerCadena(p);
    case 't':
    case 'f': return LeerLogico(p);
    case 'n': return LeerNulo(p);
    default: return LeerNumero(p);
  }
}

ValorJson LectorJson::LeerObjeto(size_t& p) {
  ValorJson objeto = ValorJson::NuevoObjeto();
  if (abandonado_) return objeto;
  SaltarBlancos(p);
  if (p >= t_.size() || t_[p] != '{') {
    ReportarEn("Invalid Object", p, t_.substr(p));
    return objeto;
  }
  if (!EntrarNivel(p)) return objeto;
  Nivel nivel{profundidad_};
  ++p;
  while (!abandonado_) {
    SaltarBlancos(p);
    if (p >= t_.size()) {
      Reportar("Missing '}': " + std::string(Ultimos()));
      break;
    }
    if (t_[p] == '}') {
      ++p;
      break;
    }
    // A comma goes back to the top of the loop, not straight to a key: so
    // repeated commas are skipped one by one, and a comma before the
    // closing brace does not turn the brace into a key.
    if (t_[p] == ',') {
      ++p;
      continue;
    }
    std::string clave = LeerClave(p);
    ValorJson valor = LeerValor(p);
    if (fallo_) {
      Reportar(fallo_->descripcion + ": " + clave);
      fallo_.reset();
      break;
    }
    if (!objeto.Objeto()->Agregar(clave, std::move(valor))) {
      Reportar(fallos::Repetida("").descripcion + ": " + clave);
      break;
    }
  }
  return objeto;
}

ValorJson LectorJson::LeerLista(size_t& p) {
  ValorJson lista = ValorJson::NuevaLista();
  if (abandonado_) return lista;
  SaltarBlancos(p);
  if (p >= t_.size() || t_[p] != '[') {
    ReportarEn("Invalid Array", p, Siguientes(p));
    return lista;
  }
  if (!EntrarNivel(p)) return lista;
  Nivel nivel{profundidad_};
  ++p;
  while (!abandonado_) {
    SaltarBlancos(p);
    if (p >= t_.size()) {
      Reportar("Missing ']': " + std::string(Ultimos()));
      break;
    }
    if (t_[p] == ']') {
      ++p;
      break;
    }
    if (t_[p] == ',') {
      ++p;
      continue;
    }
    const size_t antes = p;
    ValorJson valor = LeerValor(p);
    if (fallo_) {
      Reportar(fallo_->descripcion + ": " + std::string(Siguientes(p)));
      fallo_.reset();
      break;
    }
    lista.Lista()->Agregar(std::move(valor));
    // An invalid literal leaves the position where it was; reading it again would never end.
    if (p == antes) SaltarLiteral(p);
  }
  return lista;
}

void LectorJson::SaltarLiteral(size_t& p) const {
  ++p;
  while (p < t_.size() && !EsDelimitador(t_[p])) ++p;
}

ValorJson LectorJson::LeerCadena(size_t& p) {
  SaltarBlancos(p);
  if (p >= t_.size()) return ValorJson(std::string());
  const char comilla = t_[p++];
  cadena_.Remove(0, cadena_.Length());
  const size_t n = t_.size();
  while (p < n) {
    const char c = t_[p];
    if (c == comilla) {
      ++p;
      return ValorJson(cadena_.toString());
    }
    if (c != '\\') {
      size_t fin = p + 1;
      while (fin < n && t_[fin] != comilla && t_[fin] != '\\') ++fin;
      cadena_.Append(t_.substr(p, fin - p));
      p = fin;
      continue;
    }
    if (++p >= n) break;
    const char e = t_[p];
    if (e == '"' || e == '\\' || e == '/' || e == '\'') {
      cadena_.Append(t_.substr(p++, 1));
    } else if (const char control = CaracterDeControl(e)) {
      cadena_.Append(std::string_view(&control, 1));
      ++p;
    } else if (e == 'u') {
      if (!LeerEscapeUnicode(++p)) return ValorJson();
    }
    // after any other character the backslash is dropped and the character is read as it stands
  }
  return ValorJson(cadena_.toString());
}

// Reads the 4 hexadecimal digits after "\u". A high surrogate followed by
// the escape of a low one makes one character; a lone surrogate, which
// UTF-8 cannot carry, becomes U+FFFD. Fewer than 4 hexadecimal digits fail
// as the platform's conversion does.
bool LectorJson::LeerEscapeUnicode(size_t& p) {
  long codigo = Hexa4(t_, p);
  if (codigo < 0) {
    fallo_ = fallos::TiposDistintos("JSON.LeerCadena");
    return false;
  }
  p += 4;
  if (codigo >= 0xD800 && codigo <= 0xDBFF && p + 6 <= t_.size() && t_[p] == '\\' && t_[p + 1] == 'u') {
    const long bajo = Hexa4(t_, p + 2);
    if (bajo >= 0xDC00 && bajo <= 0xDFFF) {
      codigo = 0x10000 + ((codigo - 0xD800) << 10) + (bajo - 0xDC00);
      p += 6;
    }
  }
  std::string caracter;
  utf8::AgregarCodigo(caracter, char32_t(codigo));
  cadena_.Append(caracter);
  return true;
}

ValorJson LectorJson::LeerNumero(size_t& p) {
  SaltarBlancos(p);
  const size_t inicio = p;
  while (p < t_.size() && t_[p] != '\0' && std::strchr(kCaracteresDeNumero, t_[p]) != nullptr) ++p;
  // Nothing left to read is the empty value. A number cut short by the end
  // of the text is still the number it reads: the missing bracket that
  // follows is reported on its own, and the value is not lost.
  if (p == inicio && p >= t_.size()) return ValorJson();
  ErrorSistema error;
  auto numero = Decimal::DesdeTexto(t_.substr(inicio, p - inicio), regional::SeparadorDecimal(), &error);
  if (!numero) {
    error.origen = "JSON.LeerNumero";
    fallo_ = std::move(error);
    return ValorJson();
  }
  return ValorJson(*numero);
}

ValorJson LectorJson::LeerLogico(size_t& p) {
  SaltarBlancos(p);
  if (t_.substr(p, 4) == "true") {
    p += 4;
    return ValorJson::Logico(true);
  }
  if (t_.substr(p, 5) == "false") {
    p += 5;
    return ValorJson::Logico(false);
  }
  ReportarEn("Invalid Boolean", p, t_.substr(p));
  return ValorJson::Logico(false);
}

ValorJson LectorJson::LeerNulo(size_t& p) {
  SaltarBlancos(p);
  if (t_.substr(p, 4) == "null") {
    p += 4;
    return ValorJson::Nulo();
  }
  ReportarEn("Invalid null value", p, t_.substr(p));
  return ValorJson();
}

// Keys may be written in double quotes, in single quotes or bare; blanks
// never belong to a key, not even inside quotes.
std::string LectorJson::LeerClave(size_t& p) {
  SaltarBlancos(p);
  bool dobles = false, simples = false;
  std::string clave;
  const size_t n = t_.size();
  while (p < n) {
    const char c = t_[p];
    if (c == '"' || c == '\'') {
      bool& dentro = c == '"' ? dobles : simples;
      ++p;
      if (!dentro) {
        dentro = true;
        continue;
      }
      SaltarBlancos(p);
      if (p < n && t_[p] == ':') {
        dentro = false;
        continue;
      }
      ReportarEn("Invalid Key", p, clave);
      return clave;
    }
    if (c == ':') {
      ++p;
      if (!dobles && !simples) return clave;
      clave += ':';
    } else if (EsBlancoDeClave(c)) {
      ++p;
    } else {
      size_t fin = p + 1;
      while (fin < n && !std::strchr("\"':\r\n\t ", t_[fin])) ++fin;
      clave.append(t_.substr(p, fin - p));
      p = fin;
    }
  }
  return clave;
}

}  // namespace JSON
