#pragma once
// File services of the shared module: a readability test, a byte copy and
// opening a file with the program the desktop associates with it.
#include <string>

// True when the file can be opened for reading (a folder cannot).
bool ExisteArchivo(const std::string& ruta);

// Copies the bytes of `origen` to `destino` (created or replaced): first
// the length modulo 32768, then blocks of 16384. False, with the
// destination untouched, when the source cannot be read or is too large
// for the block count (16-bit, so 512 MiB and more); false as well when a
// read or write fails midway (the partial destination then stays). A
// destination that is the source file itself is left as it is: true.
bool CopiarArchivo(const std::string& origen, const std::string& destino);

// Opens the file (or console) with its associated program; `mostrar`
// asks for a visible window. A path with blanks is enclosed in double
// quotes unless it already carries some.
void AbrirDocumento(const std::string& documento, bool mostrar);

namespace archivos {
constexpr long long kBloqueGrande = 32768, kBloque = 16384;
// The text handed to the opener.
std::string TextoDocumento(const std::string& documento);
}  // namespace archivos
