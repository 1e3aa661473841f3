#pragma once
// Whether a destination folder can take the data-set files (and the daily
// task's program copy): it must name an existing folder of this machine
// that the program may write into. The window's design text "C:\", an
// empty box or a mistyped path are refused before anything is written.
#include <string>

namespace vorna {

// True when `carpeta` (blanks around it ignored) is an existing, writable
// folder. Otherwise false, with `motivo` a message for the operator that
// names the folder.
bool CarpetaDestinoValida(const std::string& carpeta, std::string& motivo);

}  // namespace vorna
