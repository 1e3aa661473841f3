#include "provisioning/FalloArchivo.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr long kErrorDispositivo = 57;  // device I/O error
constexpr long kErrorAcceso = 75;       // path/file access error

struct Motivo {
  long numero;
  const char* texto;
};

Motivo MotivoDe(int numeroErrno) {
  switch (numeroErrno) {
    case ENOENT: return {errores::ArchivoNoEncontrado, "No se encontró el archivo"};
    case ENOTDIR: return {errores::RutaNoEncontrada, "No se encontró la ruta de acceso"};
    case EACCES:
    case EPERM:
    case EROFS: return {errores::PermisoDenegado, "Permiso denegado"};
    case EIO: return {kErrorDispositivo, "Error de E/S en el dispositivo"};
    default: return {kErrorAcceso, "Error de acceso a la ruta o el archivo"};
  }
}

}  // namespace

ErrorSistema FalloArchivo(int numeroErrno, const std::string& ruta) {
  const Motivo m = MotivoDe(numeroErrno);
  // The system's own words stay beside the program's, naming the cause.
  return {m.numero, std::string(m.texto) + " " + ruta + " (" + std::strerror(numeroErrno) + ")", "UT_VORNA"};
}
