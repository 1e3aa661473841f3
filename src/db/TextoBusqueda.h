#pragma once
// How a searched value is written into the lookup queries, by the type
// code of the value (8 text, 7 date, 3/4/5 numbers).
#include <optional>
#include <string>

namespace busqueda {

constexpr int kTexto = 8, kFecha = 7;
bool EsNumerico(std::optional<int> tipo);
// The value read as a number and written back: "12abc" gives "12", "abc" "0".
std::string TextoNumero(const std::string& valor);
// " " when the condition holds its own " WHERE " (any case), else " WHERE ".
std::string Enlace(const std::string& condicion);

}  // namespace busqueda
