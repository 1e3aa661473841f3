#include "lookup/arbol/NodosArbol.h"

#include "sivlib/Texto.h"

void NodosArbol::Limpiar() {
  nodos_.clear();
  porClave_.clear();
}

ErrorSistema NodosArbol::Agregar(int padre, std::string clave, std::string texto) {
  if (padre < -1 || padre >= Cantidad()) return {errores_arbol::ElementoNoEncontrado, "Element not found", "TreeView"};
  const int nuevo = Cantidad();
  if (!porClave_.emplace(texto::Mayusculas(clave), nuevo).second)
    return {errores_arbol::ClaveRepetida, "Key is not unique in collection", "TreeView"};
  nodos_.push_back(NodoArbol{std::move(clave), std::move(texto), padre, {}, false});
  if (padre >= 0) nodos_[size_t(padre)].hijos.push_back(nuevo);
  return {};
}

int NodosArbol::Indice(std::string_view clave) const {
  auto it = porClave_.find(texto::Mayusculas(clave));
  return it == porClave_.end() ? -1 : it->second;
}

int NodosArbol::PrefijoMasLargo(std::string_view clave) const {
  // Keys are unique ignoring case, so at most one node has each length:
  // try the starts of the key from the longest down.
  const std::string plegada = texto::Mayusculas(clave);
  for (size_t largo = plegada.size(); largo > 0; --largo) {
    auto it = porClave_.find(plegada.substr(0, largo));
    if (it != porClave_.end()) return it->second;
  }
  return -1;
}

void NodosArbol::Marcar(int nodo, bool marcado, int niveles) {
  if (nodo < 0 || nodo >= Cantidad()) return;
  nodos_[size_t(nodo)].marcado = marcado;
  if (niveles <= 0) return;
  for (int hijo : nodos_[size_t(nodo)].hijos) Marcar(hijo, marcado, niveles - 1);
}

std::vector<int> NodosArbol::EnOrdenDeArbol() const {
  std::vector<int> orden;
  orden.reserve(nodos_.size());
  std::vector<int> pendientes;  // a stack: the last pushed is shown next
  for (int i = Cantidad() - 1; i >= 0; --i)
    if (nodos_[size_t(i)].padre < 0) pendientes.push_back(i);
  while (!pendientes.empty()) {
    const int n = pendientes.back();
    pendientes.pop_back();
    orden.push_back(n);
    const auto& hijos = nodos_[size_t(n)].hijos;
    for (auto it = hijos.rbegin(); it != hijos.rend(); ++it) pendientes.push_back(*it);
  }
  return orden;
}
