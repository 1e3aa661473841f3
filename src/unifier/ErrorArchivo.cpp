#include "unifier/ErrorArchivo.h"

#include <cerrno>

namespace vorna {

ErrorSistema ErrorDeArchivo(int numeroErrno, const std::string& accion, const std::string& ruta) {
  ErrorSistema e;
  e.origen = "UT_VORNA";
  std::string motivo;
  switch (numeroErrno) {
    case ENOENT:
    case ENOTDIR:
      e.numero = errores::RutaNoEncontrada;
      motivo = "No se encontró la ruta de acceso";
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      e.numero = errores::PermisoDenegado;
      motivo = "Permiso denegado";
      break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      e.numero = errores_archivo::DiscoLleno;
      motivo = "Disco lleno";
      break;
    case EIO:
      e.numero = errores_archivo::ErrorDispositivo;
      motivo = "Error de E/S en el dispositivo";
      break;
    default:
      e.numero = errores_archivo::ErrorAcceso;
      motivo = "Error de acceso a la ruta o el archivo";
      break;
  }
  e.descripcion = motivo + " al " + accion + " el archivo " + ruta;
  return e;
}

}  // namespace vorna
