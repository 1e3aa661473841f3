#pragma once
// The nodes of a lookup tree without any widget: each with its key, its text,
// its parent, its children and its check mark, kept in the order they were
// added (the order the search walks). Keys are unique ignoring case, as the
// tree control's keys are.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sivlib/ErrorSistema.h"

struct NodoArbol {
  std::string clave;
  std::string texto;
  int padre = -1;          // -1: a node at the top of the tree
  std::vector<int> hijos;  // in the order they were added
  bool marcado = false;
};

// Error numbers of the tree control.
namespace errores_arbol {
constexpr long ElementoNoEncontrado = 35601;  // the parent key is not in the tree
constexpr long ClaveRepetida = 35602;         // the key is already in the tree
}  // namespace errores_arbol

class NodosArbol {
 public:
  void Limpiar();
  // Adds a node below node `padre` (-1: at the top). Fails with 35602 when
  // the key is already in the tree, 35601 when `padre` is no node.
  ErrorSistema Agregar(int padre, std::string clave, std::string texto);
  // The node with that key, ignoring case; -1 when there is none.
  int Indice(std::string_view clave) const;
  // The node whose key is the longest one that `clave` starts with, ignoring
  // case; -1 when no key is a start of it.
  int PrefijoMasLargo(std::string_view clave) const;
  // Gives the node the state and passes it down to its descendants, at most
  // `niveles` levels below it.
  void Marcar(int nodo, bool marcado, int niveles);
  // Node indexes as the tree shows them: each node followed by its
  // descendants, siblings in the order they were added.
  std::vector<int> EnOrdenDeArbol() const;

  const std::vector<NodoArbol>& Nodos() const { return nodos_; }
  const NodoArbol& operator[](int i) const { return nodos_[size_t(i)]; }
  int Cantidad() const { return int(nodos_.size()); }

 private:
  std::vector<NodoArbol> nodos_;
  std::unordered_map<std::string, int> porClave_;  // key in capitals -> node
};
