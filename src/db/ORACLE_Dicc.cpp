// SQL Server to Oracle: the program writes T-SQL; on an Oracle connection
// the constructs it uses are rewritten by fixed text rules, in this order.
#include <vector>

#include "db/DB_Dll.h"
#include "db/DialectoConexion.h"
#include "sivlib/FechaHora.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

using texto::BuscarSinCaso;
using texto::ContieneSinCaso;
using texto::Recortado;
using texto::ReemplazarSinCaso;

constexpr auto npos = std::string::npos;

// "SELECT TOP n body [tail]" -> "SELECT body WHERE ROWNUM <= n [tail]".
std::string TraducirTop(const std::string& original) {
  const size_t p = BuscarSinCaso(original, "top");
  const std::string cabeza = original.substr(0, p);
  const std::string resto = Recortado(original.substr(p + 3));
  const size_t blanco = resto.find(' ');
  // A TOP with nothing after its count has no body.
  const std::string cuenta = resto.substr(0, blanco);
  std::string cuerpo = blanco == npos ? std::string() : resto.substr(blanco + 1);

  std::string colaGrupo, colaOrden;
  if (size_t g = BuscarSinCaso(original, " GROUP BY "); g != npos) colaGrupo = original.substr(g);
  else if (size_t o = BuscarSinCaso(original, "ORDER BY "); o != npos) colaOrden = original.substr(o);
  const std::string limite = (ContieneSinCaso(original, " WHERE ") ? " AND ROWNUM <= " : " WHERE ROWNUM <= ") + cuenta;

  const std::string cola = Recortado(colaGrupo + colaOrden);
  if (!cola.empty()) cuerpo = ReemplazarSinCaso(cuerpo, cola, " ");
  return cabeza + " " + cuerpo + " " + limite + " " + colaGrupo + " " + colaOrden;
}

// Quoted date literals become TO_DATE calls. False on an unmatched quote.
bool TraducirFechas(std::string& t) {
  std::vector<std::string> literales;
  for (size_t desde = 0;;) {
    const size_t abre = t.find('\'', desde);
    if (abre == npos) break;
    const size_t cierra = t.find('\'', abre + 1);
    if (cierra == npos) return false;
    literales.push_back(t.substr(abre + 1, cierra - abre - 1));
    desde = cierra + 1;
  }
  for (const std::string& contenido : literales) {
    const auto fecha = FechaHora::DesdeTexto(contenido);
    if (!fecha) continue;
    t = texto::ReemplazarTodo(t, "'" + contenido + "'", "TO_DATE('" + fecha->SoloFecha() + "','DD/MM/YYYY')");
  }
  // A literal met twice, or one already inside TO_DATE, ends up wrapped twice.
  while (ContieneSinCaso(t, "TO_DATE(TO_DATE(")) {
    t = ReemplazarSinCaso(t, "TO_DATE(TO_DATE(", "TO_DATE(");
    t = ReemplazarSinCaso(t, "'DD/MM/YYYY'),'DD/MM/YYYY')", "'DD/MM/YYYY')");
  }
  return true;
}

// Oracle stores '' as NULL, so comparisons with empty text become IS NULL
// (only after the first WHERE: the select list may hold such texts).
std::string TraducirVacios(const std::string& t) {
  const size_t w = BuscarSinCaso(t, "WHERE ");
  if (w == npos) return t;
  std::string condicion = ReemplazarSinCaso(t.substr(w), "= ''", " IS NULL ");
  condicion = ReemplazarSinCaso(condicion, "=''", " IS NULL ");
  return t.substr(0, w) + condicion;
}

// CONVERT(...,103) already turned into TO_CHAR: style 103 is day/month/year.
std::string TraducirEstilo103(std::string t) {
  for (size_t p = t.find("103"); p != npos; p = t.find("103", p + 3)) {
    const size_t parentesis = t.rfind('(', p);
    if (parentesis == npos || parentesis < 7) continue;
    if (texto::IgualesSinCaso(std::string_view(t).substr(parentesis - 7, 8), "TO_CHAR("))
      t.replace(p, 3, "'DD/MM/YYYY'");
  }
  return t;
}

}  // namespace

std::string DB_Dll::ORACLE_Dicc(const std::string& Valor, ErrorSistema* error) const {
  if (!EsDialectoOracle(gConnString)) return Valor;
  if (ContarPalabras(Valor) < 2) return texto::IgualesSinCaso(Recortado(Valor), "LEN") ? "LENGTH" : Valor;

  std::string t = Valor;
  if (ContieneSinCaso(Valor, "top ")) t = TraducirTop(Valor);
  for (const char* len : {" LEN(", " LEN (", " LEN  (", " LEN   (", " LEN    ("})
    t = ReemplazarSinCaso(t, len, " LENGTH(");
  t = texto::ReemplazarTodo(texto::ReemplazarTodo(t, "[", "\""), "]", "\"");
  if (!TraducirFechas(t)) {
    if (error) *error = ErrorSistema{errores::ArgumentoInvalido, "Invalid procedure call or argument", "ORACLE_Dicc"};
    return Valor;
  }
  t = ReemplazarSinCaso(t, "Charindex", "InStr");
  t = ReemplazarSinCaso(t, "CONVERT(NVARCHAR,", "TO_CHAR(");
  t = ReemplazarSinCaso(t, "CONVERT(INT,", "TO_NUMBER(");
  t = TraducirVacios(t);
  t = TraducirEstilo103(t);
  t = ReemplazarSinCaso(t, "SUBSTRING(", "SUBSTR(");
  t = ReemplazarSinCaso(t, "ISNULL(", "NVL(");
  return t;
}
