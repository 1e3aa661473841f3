#include "sivlib/Texto.h"

#include <cctype>

namespace texto {

namespace {

char Mayus(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
char Minus(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Letters of the Latin-1 range (the ERP's code page) in UTF-8: C3 80..9E
// are the capitals of C3 A0..BE, except the signs C3 97 and C3 B7.
// Folding keeps every length, so positions found in a folded text hold in
// the original.
template <bool aMayusculas>
std::string Plegar(std::string_view s) {
  std::string r(s);
  for (size_t i = 0; i < r.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(r[i]);
    if (c < 0x80) {
      r[i] = aMayusculas ? Mayus(r[i]) : Minus(r[i]);
    } else if (c == 0xC3 && i + 1 < r.size()) {
      const unsigned char d = static_cast<unsigned char>(r[i + 1]);
      if (aMayusculas && d >= 0xA0 && d <= 0xBE && d != 0xB7) r[i + 1] = char(d - 0x20);
      if (!aMayusculas && d >= 0x80 && d <= 0x9E && d != 0x97) r[i + 1] = char(d + 0x20);
      ++i;
    }
  }
  return r;
}

}  // namespace

std::string Mayusculas(std::string_view s) { return Plegar<true>(s); }

std::string Minusculas(std::string_view s) { return Plegar<false>(s); }

bool IgualesSinCaso(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Mayus(a[i]) != Mayus(b[i])) return Mayusculas(a) == Mayusculas(b);
  return true;
}

size_t BuscarSinCaso(std::string_view en, std::string_view que, size_t desde) {
  if (que.empty()) return desde <= en.size() ? desde : std::string_view::npos;
  if (en.size() < que.size() || desde > en.size()) return std::string_view::npos;
  const auto esAscii = [](std::string_view t) {
    for (char c : t)
      if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
  };
  if (!esAscii(que)) return Mayusculas(en).find(Mayusculas(que), desde);
  // ASCII needle (the usual SQL keywords and names): compare in place.
  const char primera = Mayus(que[0]);
  for (size_t i = desde; i + que.size() <= en.size(); ++i) {
    if (Mayus(en[i]) != primera) continue;
    size_t k = 1;
    while (k < que.size() && Mayus(en[i + k]) == Mayus(que[k])) ++k;
    if (k == que.size()) return i;
  }
  return std::string_view::npos;
}

bool ContieneSinCaso(std::string_view en, std::string_view que) {
  return BuscarSinCaso(en, que) != std::string_view::npos;
}

bool EmpiezaSinCaso(std::string_view s, std::string_view prefijo) {
  return s.size() >= prefijo.size() && IgualesSinCaso(s.substr(0, prefijo.size()), prefijo);
}

namespace {
template <typename Buscar>
std::string ReemplazarCon(std::string_view s, std::string_view que, std::string_view por, Buscar buscar) {
  if (que.empty()) return std::string(s);
  std::string r;
  r.reserve(s.size());
  size_t pos = 0;
  for (;;) {
    size_t p = buscar(s, que, pos);
    if (p == std::string_view::npos) break;
    r.append(s.substr(pos, p - pos));
    r.append(por);
    pos = p + que.size();
  }
  r.append(s.substr(pos));
  return r;
}
}  // namespace

std::string ReemplazarSinCaso(std::string_view s, std::string_view que, std::string_view por) {
  return ReemplazarCon(s, que, por,
                       [](std::string_view en, std::string_view q, size_t d) { return BuscarSinCaso(en, q, d); });
}

std::string ReemplazarTodo(std::string_view s, std::string_view que, std::string_view por) {
  return ReemplazarCon(s, que, por, [](std::string_view en, std::string_view q, size_t d) { return en.find(q, d); });
}

std::string RecortadoIzq(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return std::string(s.substr(i));
}

std::string RecortadoDer(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return std::string(s.substr(0, n));
}

std::string Recortado(std::string_view s) { return RecortadoIzq(RecortadoDer(s)); }

std::string Entero(long long n) { return std::to_string(n); }

}  // namespace texto
