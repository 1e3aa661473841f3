#include "unifier/ConjuntoDatos.h"

#include "sivlib/Texto.h"
#include "unifier/ConstantesVorna.h"

namespace vorna {

std::unique_ptr<ConjuntoDatos> CrearConjuntoDatos(std::string_view codigo, const std::string& desde,
                                                  const std::string& hasta, const std::string& nroPaquete) {
  if (texto::IgualesSinCaso(codigo, kVentas)) return CrearVentas(desde, hasta, nroPaquete);
  if (texto::IgualesSinCaso(codigo, kStock)) return CrearStock(nroPaquete);
  if (texto::IgualesSinCaso(codigo, kClientes)) return CrearClientes(nroPaquete);
  if (texto::IgualesSinCaso(codigo, kRutas)) return CrearRutas(nroPaquete);
  return nullptr;
}

}  // namespace vorna
