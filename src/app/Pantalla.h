#pragma once
#include "sivlib/Pantalla.h"

// What the operator reads when the main window cannot be shown: the
// reason, then what to do.
const char* TextoSinPantalla();
