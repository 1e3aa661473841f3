#include "lookup/arbol/FiltroArbol.h"

#include "services/TextoSql.h"
#include "sivlib/Texto.h"

std::string SentenciaFiltradaArbol(const std::string& sentencia, const std::string& tecleado) {
  std::string base = sentencia;
  std::string cola;
  const size_t orden = texto::BuscarSinCaso(sentencia, "order by");
  if (orden != std::string::npos) {
    cola = sentencia.substr(orden);
    base = sentencia.substr(0, orden);
  }
  const char* enlace = texto::ContieneSinCaso(sentencia, "where") ? " and " : " where ";
  return base + enlace + kCampoFiltroArbol + " like '%" + ComillasDobladas(tecleado) + "%' " + cola;
}
