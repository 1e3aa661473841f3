#pragma once
// The maker's library, window bookkeeping: every window of the program is
// readied when it loads (PrepararVentana), registered as open
// (AbrirVentana) and taken off the register when it unloads
// (CerrarVentana). The register lets the program (and its tests) ask which
// windows are open, also in a run without widgets.
#include <string>
#include <vector>

#include "sivlib/ModeloVentana.h"

// Readies the window before it is shown. `limpiar` true empties its text
// boxes and clears its check boxes (a window opened for a new record);
// false leaves the design values.
void PrepararVentana(ModeloVentana& ventana, bool limpiar);
// Registers the window as open, with the caller's parameter text. Opening
// an open window again only replaces its parameter.
void AbrirVentana(ModeloVentana& ventana, const std::string& parametro);
// Takes the window off the register (nothing when it is not there).
void CerrarVentana(ModeloVentana& ventana, const std::string& parametro);

// Names of the open windows, in the order they were opened.
std::vector<std::string> VentanasAbiertas();
bool VentanaAbierta(const std::string& nombre);
