#include "db/motor/TextoAnchoOdbc.h"

#include "sivlib/CodigoAnsi.h"
#include "sivlib/Utf8.h"

namespace {

void Agregar(std::basic_string<SQLWCHAR>& destino, char32_t c) {
  if (c < 0x10000) {
    destino += SQLWCHAR(c);
    return;
  }
  c -= 0x10000;
  destino += SQLWCHAR(0xD800 + (c >> 10));
  destino += SQLWCHAR(0xDC00 + (c & 0x3FF));
}

}  // namespace

std::basic_string<SQLWCHAR> TextoAncho(std::string_view s) {
  std::basic_string<SQLWCHAR> r;
  for (size_t i = 0; i < s.size();) {
    char32_t c = 0;
    size_t n = utf8::Decodificar(s, i, c);
    if (n == 0) {
      const std::string comoAnsi = ansi::HaciaUtf8(s.substr(i, 1));
      utf8::Decodificar(comoAnsi, 0, c);
      n = 1;
    }
    Agregar(r, c);
    i += n;
  }
  return r;
}

std::string DesdeAncho(const SQLWCHAR* t, size_t n) {
  std::string r;
  for (size_t i = 0; i < n; ++i) {
    char32_t c = t[i];
    const bool alto = c >= 0xD800 && c <= 0xDBFF;
    if (alto && i + 1 < n && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (t[++i] - 0xDC00);
    utf8::AgregarCodigo(r, c);
  }
  return r;
}

std::string DesdeAncho(const std::basic_string<SQLWCHAR>& t) { return DesdeAncho(t.data(), t.size()); }
