#pragma once
// The collections a lookup hands back: the values picked, the quantities,
// the names of the columns a caller asks for. A caller keeps a reference to
// the same collection the window fills; a released collection (null) is
// one the window let go (a cancelled list lookup returns no collection).
#include <memory>
#include <string>
#include <vector>

#include "sivlib/Variant.h"

using ColeccionTextos = std::shared_ptr<std::vector<std::string>>;
using ColeccionValores = std::shared_ptr<std::vector<Variant>>;

inline ColeccionTextos NuevaListaTextos() { return std::make_shared<std::vector<std::string>>(); }
inline ColeccionValores NuevaColeccion() { return std::make_shared<std::vector<Variant>>(); }
