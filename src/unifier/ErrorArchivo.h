#pragma once
// A failed file operation as the platform's error the export's dialog shows:
// the platform's file error number for the C library's errno, and a
// Spanish description naming the file.
#include <string>

#include "sivlib/ErrorSistema.h"

namespace vorna {

// Platform file error numbers beyond the common ones of ErrorSistema.h.
namespace errores_archivo {
constexpr long ErrorDispositivo = 57;  // device I/O error
constexpr long DiscoLleno = 61;
constexpr long ErrorAcceso = 75;  // path/file access error
}  // namespace errores_archivo

// `numeroErrno` is the errno of the failure (0 when unknown); `accion`
// says what was being done ("crear", "escribir", ...).
ErrorSistema ErrorDeArchivo(int numeroErrno, const std::string& accion, const std::string& ruta);

}  // namespace vorna
