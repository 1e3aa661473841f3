#include "db/TextoBusqueda.h"

#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/Variant.h"

namespace busqueda {

bool EsNumerico(std::optional<int> tipo) { return tipo && (*tipo == 3 || *tipo == 4 || *tipo == 5); }

// SQL needs "." whatever the regional decimal separator is.
std::string TextoNumero(const std::string& valor) { return texto::Recortado(TextoDeNumero(Val(valor), '.')); }

std::string Enlace(const std::string& condicion) {
  return texto::ContieneSinCaso(condicion, " WHERE ") ? " " : " WHERE ";
}

}  // namespace busqueda
