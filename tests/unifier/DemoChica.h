#pragma once
// A small demo ERP database for the tests that run the whole generation:
// a few thousand sales lines over ten days, enough for each data set to
// have rows in the last four days.
#include <string>

#include "demo/GeneradorDemo.h"

// The parameters, with `destino` stored as this machine's destination
// folder and the package counter at 15.
inline demo::ParametrosDemo DemoChica(const std::string& destino) {
  demo::ParametrosDemo p = demo::ParametrosDeTamano(3000, 200, 40, 5, 10);
  p.destino = destino;
  p.paquete = 15;
  return p;
}
