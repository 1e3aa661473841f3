#pragma once
// The registration window as a lookup on articles opens it from "N&uevo":
// shown modally with the proposed number in its barcode box; the result is
// the number of the article registered, or empty text when none was (the
// lookup then stays open). The window is created on first use and kept
// while nothing is registered, so a second "N&uevo" finds what the operator
// left in it; after a registration it is closed.
//
// Its signature is the one a lookup's registration hook takes:
//   RegistrarAltaArticulo(AbrirAltaArticulo);
#include <string>

std::string AbrirAltaArticulo(const std::string& codigoPropuesto);
