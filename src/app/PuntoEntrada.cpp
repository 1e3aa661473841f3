#include "app/PuntoEntrada.h"

#include <cstdio>
#include <cstring>

#include "app/EstadoSalida.h"

int EjecutarPrograma(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("ut_vorna %s\n", UT_VORNA_VERSION);
    return estado_salida::Exito;
  }
  return estado_salida::SinVentana;
}
