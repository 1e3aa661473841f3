#pragma once
// Starting another program of the suite without waiting for it.
#include <cstdint>
#include <string>

#include "sivlib/ErrorSistema.h"

// Starts `programa` with `argumento` as its whole command-line tail (one
// argument), detached: the launcher never waits for it and leaves nothing
// behind to reap. `idProceso` receives the new process's id, 0 when none
// started; a program that does not exist or cannot be run fails with the
// platform's file-not-found (53) or permission (70) error.
ErrorSistema IniciarSinEsperar(const std::string& programa, const std::string& argumento, int32_t& idProceso);
