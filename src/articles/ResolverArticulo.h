#pragma once
// Whether a code already designates an article: as its article number or as
// one of the barcodes the article master keeps for it (the main one, the
// shipping unit's, and the four alternatives). The registration window asks
// it before giving a new article a number.
#include <string>
#include <vector>

// True when some article answers to the code (compared in the width-25 form
// the ERP stores its codes in).
bool ResolverArticulo(const std::string& codigo);

namespace articulos {
// Width of the article codes as the ERP stores them (right-aligned, blank-led).
inline constexpr int kAnchoCodigo = 25;
// The statements tried, in order, for a code already in its width-25 form;
// the first that yields a row ends the search. The article number is asked
// again last.
std::vector<std::string> SentenciasResolucion(const std::string& codigoFormateado);
}  // namespace articulos
