#pragma once
// Text helpers shared by every layer. The system compares keys, names,
// flags and SQL fragments without regard to case: ASCII letters and the
// accented letters of the ERP's code page (á/Á, ñ/Ñ ...) fold; positions
// are 0-based byte offsets of the UTF-8 text.
#include <string>
#include <string_view>

namespace texto {

std::string Mayusculas(std::string_view s);
std::string Minusculas(std::string_view s);
bool IgualesSinCaso(std::string_view a, std::string_view b);
// Position of the first occurrence of `que` at or after `desde`, ignoring case; npos when absent.
size_t BuscarSinCaso(std::string_view en, std::string_view que, size_t desde = 0);
bool ContieneSinCaso(std::string_view en, std::string_view que);
bool EmpiezaSinCaso(std::string_view s, std::string_view prefijo);
// Every occurrence of `que` replaced by `por`, ignoring case; the scan resumes after each replacement.
std::string ReemplazarSinCaso(std::string_view s, std::string_view que, std::string_view por);
// Same, comparing exactly.
std::string ReemplazarTodo(std::string_view s, std::string_view que, std::string_view por);
// Blanks (spaces only, as the platform's Trim) removed at both ends / left / right.
std::string Recortado(std::string_view s);
std::string RecortadoIzq(std::string_view s);
std::string RecortadoDer(std::string_view s);
// Decimal text of an integer without blanks.
std::string Entero(long long n);

}  // namespace texto
