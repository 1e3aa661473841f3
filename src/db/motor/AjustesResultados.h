#pragma once
// Settings of the one-active-result guard (MotorUnResultado.h).
//
// Each engine keeps the limit it reports (an ODBC driver tells it: 1 for
// SQL Server without MARS) unless the limit is forced to 1 for every
// engine, the embedded one included:
//  - the environment variable UT_VORNA_UN_RESULTADO_POR_CONEXION: "1" forces
//    it, "0" leaves each engine its own (it wins, so one run can be tried
//    either way);
//  - the settings file CN000pr.INI, section [ODBC], key
//    UnResultadoPorConexion=1, which the program reads at start and passes
//    to FijarUnResultadoPorConexion.
#include <cstddef>

void FijarUnResultadoPorConexion(bool forzado);
bool UnResultadoForzado();

// How a result is held while the connection serves another statement.
struct TamanosResultado {
  size_t filasPorBloque = 256;              // rows read ahead at a time
  size_t bytesEnMemoria = size_t(8) << 20;  // beyond this, the rest goes to a temporary file
};
TamanosResultado TamanosActuales();
// Tests use small sizes to make a result spill; the defaults come back with {}.
void FijarTamanosResultado(TamanosResultado t);
