#include "lookup/arbol/BusquedaArbol.h"

#include "sivlib/Texto.h"

namespace {

// A text without "-" (the root's "Consulta...") is all code part.
bool Coincide(std::string_view textoNodo, std::string_view buscado) {
  const size_t guion = textoNodo.find('-');
  const std::string codigo = texto::Recortado(textoNodo.substr(0, guion));
  if (texto::EmpiezaSinCaso(codigo, buscado)) return true;
  if (guion == std::string_view::npos) return false;
  return texto::EmpiezaSinCaso(texto::Recortado(textoNodo.substr(guion + 1)), buscado);
}

}  // namespace

int BuscarNodo(const NodosArbol& nodos, std::string_view buscado) {
  for (int i = 0; i < nodos.Cantidad(); ++i)
    if (Coincide(nodos[i].texto, buscado)) return i;
  return -1;
}
