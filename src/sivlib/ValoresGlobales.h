#pragma once
// Run-wide values of the shared module: set once at start (launch string,
// start-up sequence, system flags) and read everywhere. Everything runs on
// the one user-interface thread, so these are plain variables.
#include <cstdint>
#include <string>

// Launch string and workstation.
extern std::string gParametroAdicional;  // run mode: "1" = unattended
extern std::string gMenu;
extern std::string gUsuarioLogeado;
extern std::string gCaja;      // cash-box code, "1" unless the launch string says otherwise
extern std::string gEstacion;  // COMPUTER|USER, cut to 50
extern int gBarrasPlanas;      // "FlatToolbars" of the settings file

// Start-up sequence.
extern std::string gCarpetaAplicacion;  // executable's folder with final separator
extern std::string gArchivoAyuda;
extern int32_t gColorFondo;      // focus background, 0x00BBGGRR
extern int32_t gColorLetra;      // focus text colour, 0x00BBGGRR
extern int16_t gTiempoComandos;  // command time-out in seconds

// Entry point.
extern bool gEjecucionDesatendida;

// System flags consulted by this program.
extern std::string gTablaConfiguracion;
extern std::string gDecimalesMoneda;  // raw text of "CantidadDecimales"
extern bool gConfidencialidad;
extern bool gUtilizarFechaDia;
