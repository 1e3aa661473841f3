#include "provisioning/FalloArchivo.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr long kErrorDispositivo = 57;  // device I/O error
constexpr long kErrorAcceso = 75;       // path/file access error

long NumeroPlataforma(int numeroErrno) {
  switch (numeroErrno) {
    case ENOENT: return errores::ArchivoNoEncontrado;
    case ENOTDIR: return errores::RutaNoEncontrada;
    case EACCES:
    case EPERM:
    case EROFS: return errores::PermisoDenegado;
    case EIO: return kErrorDispositivo;
    default: return kErrorAcceso;
  }
}

}  // namespace

ErrorSistema FalloArchivo(int numeroErrno, const std::string& ruta) {
  return {NumeroPlataforma(numeroErrno), ruta + ": " + std::strerror(numeroErrno), "Archivo"};
}
