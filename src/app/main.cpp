// ut_vorna: the data unifier's executable.
#include "app/PuntoEntrada.h"
#include "app/ventanas/ModosVentanas.h"

int main(int argc, char** argv) { return EjecutarPrograma(argc, argv, CrearModos); }
