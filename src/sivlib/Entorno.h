#pragma once
// The maker's library, class Entorno: facts of the machine and the session.
#include <string>

// Host name of the machine.
std::string NombreEquipo();
// Login name of the process owner (from the user database; $USER, $LOGNAME when absent).
std::string UsuarioSistema();
// Folder for temporary files, with its final separator: TEMP, then TMP,
// then TMPDIR (the first that is set and not blank), else /tmp/.
std::string CarpetaTemporal();
// Opens a file with the program the desktop associates with it (xdg-open),
// without waiting. `mostrar` 0 asks for no window where the opener honours
// it. A path enclosed in double quotes (as the Windows shell accepts it) is
// opened without them. Returns false when the opener could not be started.
bool AbrirConShell(const std::string& archivo, int mostrar);
// Folder of the running executable, with its final separator.
std::string CarpetaEjecutable();
// Full path of the running executable.
std::string RutaEjecutable();
