#include "sivlib/Utf8.h"

namespace utf8 {

size_t ContarCaracteres(std::string_view texto) {
  size_t n = 0;
  for (unsigned char c : texto) n += !EsContinuacion(c);
  return n;
}

size_t BytesDeCaracteres(std::string_view texto, size_t caracteres) {
  size_t i = 0;
  while (i < texto.size() && caracteres > 0) {
    ++i;
    while (i < texto.size() && EsContinuacion((unsigned char)texto[i])) ++i;
    --caracteres;
  }
  return i;
}

std::string_view UltimosCaracteres(std::string_view texto, size_t caracteres) {
  size_t i = texto.size();
  while (i > 0 && caracteres > 0) {
    --i;
    if (!EsContinuacion((unsigned char)texto[i])) --caracteres;
  }
  return texto.substr(i);
}

void AgregarCodigo(std::string& destino, char32_t codigo) {
  if ((codigo >= 0xD800 && codigo <= 0xDFFF) || codigo > 0x10FFFF) codigo = 0xFFFD;
  if (codigo < 0x80) {
    destino += char(codigo);
  } else if (codigo < 0x800) {
    destino += char(0xC0 | (codigo >> 6));
    destino += char(0x80 | (codigo & 0x3F));
  } else if (codigo < 0x10000) {
    destino += char(0xE0 | (codigo >> 12));
    destino += char(0x80 | ((codigo >> 6) & 0x3F));
    destino += char(0x80 | (codigo & 0x3F));
  } else {
    destino += char(0xF0 | (codigo >> 18));
    destino += char(0x80 | ((codigo >> 12) & 0x3F));
    destino += char(0x80 | ((codigo >> 6) & 0x3F));
    destino += char(0x80 | (codigo & 0x3F));
  }
}

size_t Decodificar(std::string_view s, size_t i, char32_t& cp) {
  const unsigned char c = s[i];
  size_t n;
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  if ((c & 0xE0) == 0xC0) {
    n = 2;
    cp = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    n = 3;
    cp = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    n = 4;
    cp = c & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    const unsigned char b = s[i + k];
    if (!EsContinuacion(b)) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if ((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return 0;
  if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
  return n;
}

}  // namespace utf8
