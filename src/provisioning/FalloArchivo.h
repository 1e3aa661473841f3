#pragma once
// A file that could not be opened, read or written, as the platform's
// error the provisioning hands to the error dialog.
#include <string>

#include "sivlib/ErrorSistema.h"

// `numeroErrno` is the C library's errno of the failure.
ErrorSistema FalloArchivo(int numeroErrno, const std::string& ruta);
