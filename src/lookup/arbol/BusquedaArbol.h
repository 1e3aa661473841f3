#pragma once
// Search as you type in a lookup tree. A node's text reads "code - description":
// the node found is the first one, in the order the nodes were added, whose
// code part (before the first "-") or description part (after it), both
// trimmed, starts with the typed text, ignoring case.
#include <string_view>

#include "lookup/arbol/NodosArbol.h"

// The node found; -1 when none matches.
int BuscarNodo(const NodosArbol& nodos, std::string_view buscado);
