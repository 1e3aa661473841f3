#pragma once
// The program's entry: command-line options, the single-instance rule, the
// start-up sequence and the choice between the interactive and the
// unattended run. Returns the process exit status (see EstadoSalida.h).
#include "app/Modos.h"

int EjecutarPrograma(int argc, char** argv, FabricaModos crearModos);
