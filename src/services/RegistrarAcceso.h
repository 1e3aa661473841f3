#pragma once
// The access log: every start of a program of the suite leaves one row in
// Control_Acceso (workstation, user, program, menu task, time).
#include <string>

// Writes the row for `proceso` (empty: this executable). Sets
// gUsuarioLogeado to the main connection's user first; that value loses its
// apostrophes, as every value written through AgregarCampo does. A failed
// insert is shown to the operator and recorded in AUX_ERR; the run goes on.
void RegistrarAcceso(const std::string& proceso = {});

namespace acceso {
// The statement that finds the menu task granted to the user for the process.
std::string SentenciaTarea(const std::string& usuario, const std::string& proceso);
}  // namespace acceso
