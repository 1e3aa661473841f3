#pragma once
// The statistics database "PX_ESTADISTICAS", opened beside the main one at
// every start on a second database object (DBEstadisticas()). On the
// embedded engine it is the file PX_ESTADISTICAS.sqlite beside the main
// database file.

#include "provisioning/LoginEstadisticas.h"

// Command time-out, in seconds, unless the statistics database says otherwise.
inline constexpr int kTiempoComandosPredeterminado = 360;

// Makes sure of the statistics login and database, opens the statistics
// connection (no login window, no message) and takes gTiempoComandos from
// its key "TimeOut" (creating the key with "0" when it reads 0). Every
// failure is silent: the run then works with 360 seconds and without it.
void AbrirBaseEstadisticas();
