#pragma once
// Character (not byte) positions in UTF-8 text, as SQL Server counts them.
#include <string>
#include <string_view>

namespace funciones_sqlite {
size_t Caracteres(std::string_view s);
// Byte offset of character number `n` (0-based); s.size() past the end.
size_t ByteDeCaracter(std::string_view s, size_t n);
}  // namespace funciones_sqlite
