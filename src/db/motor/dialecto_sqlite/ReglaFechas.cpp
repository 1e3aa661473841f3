#include <optional>

#include "db/motor/dialecto_sqlite/Reglas.h"
#include "sivlib/FechaHora.h"

namespace dialecto_sqlite {
namespace {

// Only the regional day/month/year shape counts as a date: "d/m/yyyy" or
// "dd/mm/yy", optionally followed by " h:mm" or " h:mm:ss". Anything else
// (codes, ISO texts, numbers) is left as written.
bool TieneFormaDeFecha(const std::string& s) {
  size_t i = 0;
  auto digitos = [&](size_t min, size_t max) {
    size_t n = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++n;
    return n >= min && n <= max;
  };
  auto marca = [&](char c) { return i < s.size() && s[i] == c ? (++i, true) : false; };
  if (!digitos(1, 2) || !marca('/') || !digitos(1, 2) || !marca('/')) return false;
  const size_t iniAnio = i;
  if (!digitos(2, 4) || i - iniAnio == 3) return false;
  if (i == s.size()) return true;
  if (!marca(' ') || !digitos(1, 2) || !marca(':') || !digitos(2, 2)) return false;
  if (marca(':') && !digitos(2, 2)) return false;
  return i == s.size();
}

std::optional<std::string> IsoDe(const std::string& contenido) {
  if (!TieneFormaDeFecha(contenido)) return std::nullopt;
  const auto f = FechaHora::DesdeTexto(contenido);
  if (!f) return std::nullopt;
  return f->Iso();
}

}  // namespace

void ReglaFechas(std::vector<Token>& t) {
  for (auto& k : t) {
    if (k.clase == ClaseToken::Literal) {
      if (auto iso = IsoDe(ContenidoLiteral(k))) k.texto = ComoLiteral(*iso);
    } else if (k.clase == ClaseToken::FechaAccess) {
      const std::string dentro = k.texto.substr(1, k.texto.size() - 2);
      if (auto iso = IsoDe(dentro)) {
        k = {ClaseToken::Literal, ComoLiteral(*iso)};
      } else if (auto f = FechaHora::DesdeIso(dentro)) {
        k = {ClaseToken::Literal, ComoLiteral(f->Iso())};
      }
    }
  }
}

}  // namespace dialecto_sqlite
