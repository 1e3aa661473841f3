#include "unifier/tarea/ArchivoComando.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "unifier/ErrorArchivo.h"

namespace tarea {

std::string EscribirArchivoComando(const std::string& ruta, const std::string& texto) {
  const auto fallo = [&](const char* accion) { return vorna::ErrorDeArchivo(errno, accion, ruta).descripcion; };
  if (unlink(ruta.c_str()) != 0 && errno != ENOENT) return fallo("reemplazar");
  // Created with the owner's rights only: there is no moment in which others may read it.
  const int fd = open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return fallo("crear");
  size_t escritos = 0;
  while (escritos < texto.size()) {
    const ssize_t n = write(fd, texto.data() + escritos, texto.size() - escritos);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    escritos += size_t(n);
  }
  std::string error;
  if (escritos != texto.size()) error = fallo("escribir");
  if (close(fd) != 0 && error.empty()) error = fallo("escribir");
  if (!error.empty()) unlink(ruta.c_str());
  return error;
}

}  // namespace tarea
