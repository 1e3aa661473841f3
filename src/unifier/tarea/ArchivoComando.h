#pragma once
// Writing the command file TAREA.CMD, which holds the database password of
// the daily task's launch parameters.
#include <string>

namespace tarea {

// Writes `texto` into a new file `ruta` that only its owner may read or
// write (an older file of that name is removed first, whoever made it
// readable). Returns the reason of a failure, empty text when done.
std::string EscribirArchivoComando(const std::string& ruta, const std::string& texto);

}  // namespace tarea
