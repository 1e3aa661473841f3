#pragma once
// Character counting over UTF-8 text. The program keeps its text in UTF-8,
// while the string builder and the JSON readers count in characters (what
// an operator sees in an editor). A character is a code point; a byte that
// does not begin a UTF-8 sequence (a stray continuation byte of an invalid
// text) is counted with the character before it, so invalid text never
// makes a count run past the end.
#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

inline bool EsContinuacion(unsigned char c) { return (c & 0xC0) == 0x80; }

size_t ContarCaracteres(std::string_view texto);
// Bytes taken by the first `caracteres` characters (the whole text when it has fewer).
size_t BytesDeCaracteres(std::string_view texto, size_t caracteres);
// The last `caracteres` characters of the text.
std::string_view UltimosCaracteres(std::string_view texto, size_t caracteres);
// Appends the UTF-8 form of a code point; surrogates and values past
// U+10FFFF become U+FFFD, as they cannot be written in UTF-8.
void AgregarCodigo(std::string& destino, char32_t codigo);
// Decodes the UTF-8 sequence at texto[i] into `codigo`; returns its length
// in bytes, or 0 when the bytes there are not valid UTF-8 (overlong forms
// and surrogates included).
size_t Decodificar(std::string_view texto, size_t i, char32_t& codigo);

}  // namespace utf8
