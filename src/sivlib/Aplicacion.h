#pragma once
// The maker's library, classes Aplicacion and EstadoPantalla.
#include <string>

// Tells the library the application folder (with its final separator);
// LeerValorIni looks there first for files given by bare name.
void FijarCarpeta(const std::string& carpeta);
// The folder last given to FijarCarpeta; before that, the application folder
// of the running executable (CarpetasPrograma.h).
std::string CarpetaAplicacion();

// Puts the screen back to normal before an error dialog: clears the busy cursor.
void Restablecer();
