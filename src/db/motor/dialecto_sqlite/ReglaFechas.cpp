// A date-looking text that is the whole value stored into a column keeps
// its text when the column is not a date column (SQL Server stores it as
// given: error logs and window states keep "09/12/26 23:13"); everywhere
// else it is a date and takes the ISO form the dates are stored in.
#include <optional>

#include "db/motor/dialecto_sqlite/Reglas.h"
#include "db/motor/dialecto_sqlite/ValoresAsignados.h"
#include "sivlib/FechaHora.h"
#include "sivlib/Texto.h"

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

// Only these can change: the others need no look-up of the schema.
bool PareceFecha(const Token& k) {
  return k.clase == ClaseToken::FechaAccess || TieneFormaDeFecha(ContenidoLiteral(k));
}

// The column the value goes to is known and is not a date column. An
// unknown table or column keeps the date reading.
bool VaAColumnaDeTexto(const ValorAsignado& v, const EsquemaDeTablas& esquema) {
  const std::vector<ColumnaDeclarada> columnas = esquema(v.tabla);
  for (size_t i = 0; i < columnas.size(); ++i) {
    const bool esEsta = v.columna.empty() ? i == v.posicion : texto::IgualesSinCaso(columnas[i].nombre, v.columna);
    if (esEsta) return !EsTipoFecha(columnas[i].tipo);
  }
  return false;
}

std::vector<bool> LiteralesDeColumnasDeTexto(const std::vector<Token>& t, const EsquemaDeTablas& esquema) {
  std::vector<bool> marcas(t.size(), false);
  if (!esquema) return marcas;
  for (const ValorAsignado& v : ValoresAsignados(t))
    if (EsLiteralSolo(t, v) && PareceFecha(t[v.desde]) && VaAColumnaDeTexto(v, esquema)) marcas[v.desde] = true;
  return marcas;
}

}  // namespace

void ReglaFechas(std::vector<Token>& t, const EsquemaDeTablas& esquema) {
  const std::vector<bool> comoTexto = LiteralesDeColumnasDeTexto(t, esquema);
  for (size_t i = 0; i < t.size(); ++i) {
    Token& k = t[i];
    if (k.clase == ClaseToken::Literal) {
      if (comoTexto[i]) continue;
      if (auto iso = IsoDe(ContenidoLiteral(k))) k.texto = ComoLiteral(*iso);
    } else if (k.clase == ClaseToken::FechaAccess) {
      const std::string dentro = k.texto.substr(1, k.texto.size() - 2);
      if (comoTexto[i]) {
        k = {ClaseToken::Literal, ComoLiteral(dentro)};  // the text between the marks, as written
        continue;
      }
      if (auto iso = IsoDe(dentro)) {
        k = {ClaseToken::Literal, ComoLiteral(*iso)};
      } else if (auto f = FechaHora::DesdeIso(dentro)) {
        k = {ClaseToken::Literal, ComoLiteral(f->Iso())};
      }
    }
  }
}

}  // namespace dialecto_sqlite
