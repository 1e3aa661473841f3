// A date-looking text that is the whole value stored into a column keeps
// its text when the column is not a date column (SQL Server stores it as
// given: error logs and window states keep "09/12/26 23:13"); everywhere
// else it is a date and takes the ISO form the dates are stored in.
//
// A day without its time is midnight of that day, as on SQL Server. The
// engine stores midnight as '2026-12-09' or as '2026-12-09 00:00:00'
// (whoever wrote the row), and as texts both sort apart from each other and
// before the day's later moments: a compared day stands for both forms, so
// that FECHA <= '09/12/2026' keeps the movements dated that day at midnight
// and FECHA = '09/12/2026' finds them whichever form they have.
#include <optional>

#include "db/motor/dialecto_sqlite/FormaFecha.h"
#include "db/motor/dialecto_sqlite/Reglas.h"
#include "db/motor/dialecto_sqlite/ValoresComparados.h"
#include "db/motor/dialecto_sqlite/ValoresAsignados.h"
#include "sivlib/FechaHora.h"
#include "sivlib/Texto.h"

namespace dialecto_sqlite {
namespace {

// "yyyy-mm-dd", and the time of day that makes it a moment.
constexpr size_t kLargoDia = 10;
constexpr const char* kMedianoche = " 00:00:00";

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
  std::vector<size_t> dias;  // literals now holding a day without its time
  for (size_t i = 0; i < t.size(); ++i) {
    Token& k = t[i];
    std::optional<std::string> iso;
    if (k.clase == ClaseToken::Literal) {
      if (comoTexto[i]) continue;
      iso = IsoDe(ContenidoLiteral(k));
    } else if (k.clase == ClaseToken::FechaAccess) {
      const std::string dentro = k.texto.substr(1, k.texto.size() - 2);
      if (comoTexto[i]) {
        k = {ClaseToken::Literal, ComoLiteral(dentro)};  // the text between the marks, as written
        continue;
      }
      iso = IsoDe(dentro);
      if (!iso)
        if (auto f = FechaHora::DesdeIso(dentro)) iso = f->Iso();
    }
    if (!iso) continue;
    k = {ClaseToken::Literal, ComoLiteral(*iso)};
    if (iso->size() == kLargoDia) dias.push_back(i);
  }
  ValoresComparados comparados(t);
  for (size_t i : dias) {
    const std::string dia = ComoLiteral(ContenidoLiteral(t[i]));
    const std::string medianoche = ComoLiteral(ContenidoLiteral(t[i]) + kMedianoche);
    comparados.Equivaler(i, {dia, medianoche, dia + ", " + medianoche});
  }
  comparados.Aplicar(t);
}

}  // namespace dialecto_sqlite
