// ut_vorna: the data unifier's executable.
#include "app/PuntoEntrada.h"

int main(int argc, char** argv) { return EjecutarPrograma(argc, argv); }
