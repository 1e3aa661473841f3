#include "provisioning/ArchivoPrivado.h"

#include "provisioning/FalloArchivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

std::FILE* Abrir(const std::string& ruta, int banderas, ErrorSistema& error) {
  const int fd = ::open(ruta.c_str(), banderas | O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (fd < 0 || ::fchmod(fd, S_IRUSR | S_IWUSR) != 0) {
    error = FalloArchivo(errno, ruta);
    if (fd >= 0) ::close(fd);
    return nullptr;
  }
  std::FILE* f = ::fdopen(fd, (banderas & O_APPEND) ? "ab" : "wb");
  if (!f) {
    error = FalloArchivo(errno, ruta);
    ::close(fd);
  }
  return f;
}

}  // namespace

std::FILE* AnexarPrivado(const std::string& ruta, ErrorSistema& error) { return Abrir(ruta, O_APPEND, error); }

std::FILE* CrearPrivado(const std::string& ruta, ErrorSistema& error) {
  // A file left by another user in a shared folder cannot be removed, and
  // the exclusive creation then fails instead of writing into it.
  ::unlink(ruta.c_str());
  return Abrir(ruta, O_EXCL, error);
}
