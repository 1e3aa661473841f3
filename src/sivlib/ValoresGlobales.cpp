#include "sivlib/ValoresGlobales.h"

std::string gParametroAdicional;
std::string gMenu;
std::string gUsuarioLogeado;
std::string gCaja;
std::string gEstacion;
int gBarrasPlanas = 0;

std::string gCarpetaAplicacion;
std::string gArchivoAyuda;
int32_t gColorFondo = 0xFFFFFF;
int32_t gColorLetra = 0;
int16_t gTiempoComandos = 360;

bool gEjecucionDesatendida = false;

std::string gTablaConfiguracion;
std::string gDecimalesMoneda;
bool gConfidencialidad = false;
bool gUtilizarFechaDia = false;
