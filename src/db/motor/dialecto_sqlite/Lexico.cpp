#include "db/motor/dialecto_sqlite/Lexico.h"

#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

bool EsLetraDeNombre(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '@' ||
         c == '#' || c == '$' || c >= 0x80;
}
bool EsDigito(char c) { return c >= '0' && c <= '9'; }
bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// End (exclusive) of a quoted run starting at `i` (the opening char), with
// the closing char doubled inside as its escape. Unterminated: end of text.
size_t FinCitado(std::string_view s, size_t i, char cierre) {
  for (size_t j = i + 1; j < s.size(); ++j) {
    if (s[j] != cierre) continue;
    if (j + 1 < s.size() && s[j + 1] == cierre) {
      ++j;
      continue;
    }
    return j + 1;
  }
  return s.size();
}

// "#09/12/2026#" or "#09/12/2026 14:00:00#": only digits and date/time marks inside.
size_t FinFechaAccess(std::string_view s, size_t i) {
  for (size_t j = i + 1; j < s.size() && j < i + 32; ++j) {
    const char c = s[j];
    if (c == '#') return j > i + 1 ? j + 1 : 0;
    if (!EsDigito(c) && c != '/' && c != '-' && c != ':' && c != ' ' && c != '.') return 0;
  }
  return 0;
}

size_t FinNumero(std::string_view s, size_t i) {
  size_t j = i;
  while (j < s.size() && EsDigito(s[j])) ++j;
  if (j < s.size() && s[j] == '.') {
    ++j;
    while (j < s.size() && EsDigito(s[j])) ++j;
  }
  if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
    size_t k = j + 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    if (k < s.size() && EsDigito(s[k])) {
      j = k;
      while (j < s.size() && EsDigito(s[j])) ++j;
    }
  }
  return j;
}

}  // namespace

std::vector<Token> Tokenizar(std::string_view s) {
  std::vector<Token> out;
  size_t i = 0;
  auto agregar = [&](ClaseToken c, size_t fin) {
    out.push_back({c, std::string(s.substr(i, fin - i))});
    i = fin;
  };
  while (i < s.size()) {
    const char c = s[i];
    const char sig = i + 1 < s.size() ? s[i + 1] : '\0';
    if (EsBlanco(c)) {
      size_t j = i;
      while (j < s.size() && EsBlanco(s[j])) ++j;
      agregar(ClaseToken::Espacio, j);
    } else if (c == '-' && sig == '-') {
      size_t j = s.find('\n', i);
      agregar(ClaseToken::Comentario, j == std::string_view::npos ? s.size() : j);
    } else if (c == '/' && sig == '*') {
      size_t j = s.find("*/", i + 2);
      agregar(ClaseToken::Comentario, j == std::string_view::npos ? s.size() : j + 2);
    } else if (c == '\'') {
      agregar(ClaseToken::Literal, FinCitado(s, i, '\''));
    } else if ((c == 'N' || c == 'n') && sig == '\'') {
      agregar(ClaseToken::Literal, FinCitado(s, i + 1, '\''));
    } else if (c == '[') {
      agregar(ClaseToken::Corchete, FinCitado(s, i, ']'));
    } else if (c == '"') {
      agregar(ClaseToken::Comillas, FinCitado(s, i, '"'));
    } else if (c == '#' && FinFechaAccess(s, i)) {
      agregar(ClaseToken::FechaAccess, FinFechaAccess(s, i));
    } else if (EsDigito(c) || (c == '.' && EsDigito(sig))) {
      agregar(ClaseToken::Numero, FinNumero(s, i));
    } else if (EsLetraDeNombre(static_cast<unsigned char>(c))) {
      size_t j = i;
      while (j < s.size() && EsLetraDeNombre(static_cast<unsigned char>(s[j]))) ++j;
      agregar(ClaseToken::Palabra, j);
    } else {
      static const char* dobles[] = {"<=", ">=", "<>", "!=", "||", "!<", "!>"};
      size_t largo = 1;
      for (const char* d : dobles)
        if (c == d[0] && sig == d[1]) largo = 2;
      agregar(ClaseToken::Simbolo, i + largo);
    }
  }
  return out;
}

std::string Unir(const std::vector<Token>& t, size_t desde, size_t hasta) {
  std::string s;
  for (size_t i = desde; i < t.size() && i < hasta; ++i) s += t[i].texto;
  return s;
}

bool EsSignificativo(const Token& t) { return t.clase != ClaseToken::Espacio && t.clase != ClaseToken::Comentario; }

bool EsPalabra(const Token& t, std::string_view p) {
  return t.clase == ClaseToken::Palabra && texto::IgualesSinCaso(t.texto, p);
}

bool EsSimbolo(const Token& t, std::string_view s) { return t.clase == ClaseToken::Simbolo && t.texto == s; }

size_t Siguiente(const std::vector<Token>& t, size_t i) {
  for (size_t j = i + 1; j < t.size(); ++j)
    if (EsSignificativo(t[j])) return j;
  return std::string::npos;
}

size_t Anterior(const std::vector<Token>& t, size_t i) {
  for (size_t j = i; j-- > 0;)
    if (EsSignificativo(t[j])) return j;
  return std::string::npos;
}

size_t CierreDe(const std::vector<Token>& t, size_t abre) {
  int nivel = 0;
  for (size_t j = abre; j < t.size(); ++j) {
    if (EsSimbolo(t[j], "(")) ++nivel;
    if (EsSimbolo(t[j], ")") && --nivel == 0) return j;
  }
  return std::string::npos;
}

std::string ContenidoLiteral(const Token& t) {
  std::string_view s = t.texto;
  if (!s.empty() && (s[0] == 'N' || s[0] == 'n')) s.remove_prefix(1);
  if (s.size() >= 2) s = s.substr(1, s.size() - 2);
  return texto::ReemplazarTodo(s, "''", "'");
}

std::string ComoLiteral(std::string_view contenido) { return "'" + texto::ReemplazarTodo(contenido, "'", "''") + "'"; }

}  // namespace dialecto_sqlite
