#include "lookup/FiltroConsulta.h"

#include "services/TextoSql.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace {

// The articles view the statement's fields are qualified with, if any.
std::string Prefijo(const std::string& base) {
  std::string prefijo;
  if (texto::ContieneSinCaso(base, "stk_ma_articulos.")) prefijo = "stk_ma_articulos.";
  if (texto::ContieneSinCaso(base, "v_ma_articulos.")) prefijo = "v_ma_articulos.";
  return prefijo;
}

// Cuts the statement at `clave`: the tail from it on, the base before it.
bool Cortar(const std::string& sentencia, const char* clave, std::string& cola, std::string& base) {
  const size_t p = texto::BuscarSinCaso(sentencia, clave);
  if (p == std::string::npos) return false;
  cola = sentencia.substr(p);
  base = sentencia.substr(0, p);
  return true;
}

}  // namespace

std::string SentenciaFiltrada(const std::string& sentencia, std::string& base, const FiltroF5& filtro) {
  std::string cola;
  Cortar(sentencia, "order by", cola, base);
  std::string colaGrupo, baseGrupo;
  if (Cortar(sentencia, "group by", colaGrupo, baseGrupo)) {
    if (!texto::Recortado(colaGrupo).empty()) cola = colaGrupo;
    base = baseGrupo;
  }
  const char* enlace = texto::ContieneSinCaso(sentencia, "where") ? " and " : " where ";
  const std::string tecleado = ComillasDobladas(filtro.tecleado);
  const std::string condicion = filtro.comoLike ? " like '%" + Reemplazar(tecleado, " ", "%") + "%' "
                                                : " like '" + Reemplazar(tecleado, "*", "%") + "%' ";
  return base + enlace + Prefijo(base) + filtro.campo + condicion + cola;
}
