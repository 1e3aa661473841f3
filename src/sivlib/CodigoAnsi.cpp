#include "sivlib/CodigoAnsi.h"

#include <cstdint>

#include "sivlib/Utf8.h"

namespace ansi {
namespace {

// Unicode code points of bytes 0x80..0x9F in Windows-1252 (0 = unassigned).
const uint16_t kAltos[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                             0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ByteDe(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
  for (int i = 0; i < 32; ++i)
    if (kAltos[i] == cp && cp != 0) return 0x80 + i;
  return -1;
}

void AgregarUtf8(std::string& r, uint32_t cp) {
  if (cp < 0x80) {
    r += char(cp);
  } else if (cp < 0x800) {
    r += char(0xC0 | (cp >> 6));
    r += char(0x80 | (cp & 0x3F));
  } else {
    r += char(0xE0 | (cp >> 12));
    r += char(0x80 | ((cp >> 6) & 0x3F));
    r += char(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string DesdeUtf8(std::string_view s) {
  std::string r;
  r.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    if (c < 0x80) {
      r += char(c);
      ++i;
      continue;
    }
    char32_t cp = 0;
    size_t n = utf8::Decodificar(s, i, cp);
    if (n == 0) {
      r += char(c);
      ++i;
      continue;
    }
    int b = ByteDe(cp);
    r += b < 0 ? '?' : char(b);
    i += n;
  }
  return r;
}

std::string HaciaUtf8(std::string_view s) {
  std::string r;
  r.reserve(s.size() + s.size() / 8);
  for (unsigned char c : s) {
    if (c < 0x80) r += char(c);
    else if (c >= 0xA0) AgregarUtf8(r, c);
    else if (kAltos[c - 0x80]) AgregarUtf8(r, kAltos[c - 0x80]);
    else r += '?';
  }
  return r;
}

}  // namespace ansi
