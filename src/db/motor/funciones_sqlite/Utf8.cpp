#include "db/motor/funciones_sqlite/Utf8.h"

namespace funciones_sqlite {

static bool EsContinuacion(unsigned char c) { return (c & 0xC0) == 0x80; }

size_t Caracteres(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s) n += !EsContinuacion(c);
  return n;
}

size_t ByteDeCaracter(std::string_view s, size_t n) {
  size_t i = 0;
  while (i < s.size() && n > 0) {
    ++i;
    while (i < s.size() && EsContinuacion(static_cast<unsigned char>(s[i]))) ++i;
    --n;
  }
  return i;
}

}  // namespace funciones_sqlite
