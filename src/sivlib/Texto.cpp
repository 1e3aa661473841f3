#include "sivlib/Texto.h"

#include <cctype>

namespace texto {

namespace {
char Mayus(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
char Minus(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}  // namespace

std::string Mayusculas(std::string_view s) {
  std::string r(s);
  for (auto& c : r) c = Mayus(c);
  return r;
}

std::string Minusculas(std::string_view s) {
  std::string r(s);
  for (auto& c : r) c = Minus(c);
  return r;
}

bool IgualesSinCaso(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Mayus(a[i]) != Mayus(b[i])) return false;
  return true;
}

size_t BuscarSinCaso(std::string_view en, std::string_view que, size_t desde) {
  if (que.empty()) return desde <= en.size() ? desde : std::string_view::npos;
  if (en.size() < que.size()) return std::string_view::npos;
  const char primera = Mayus(que[0]);
  for (size_t i = desde; i + que.size() <= en.size(); ++i) {
    if (Mayus(en[i]) != primera) continue;
    if (IgualesSinCaso(en.substr(i, que.size()), que)) return i;
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
  return ReemplazarCon(s, que, por, [](std::string_view en, std::string_view q, size_t d) { return BuscarSinCaso(en, q, d); });
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
