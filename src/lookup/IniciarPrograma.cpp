#include "lookup/IniciarPrograma.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Reads exactly `largo` bytes; false at the end of the pipe.
bool LeerTodo(int fd, void* destino, size_t largo) {
  auto* p = static_cast<char*>(destino);
  while (largo > 0) {
    const ssize_t n = read(fd, p, largo);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    largo -= size_t(n);
  }
  return true;
}

ErrorSistema ErrorDeInicio(int numeroErrno, const std::string& programa) {
  if (numeroErrno == ENOENT || numeroErrno == ENOTDIR)
    return {errores::ArchivoNoEncontrado, "No se encontró el archivo " + programa, "MenuExes"};
  if (numeroErrno == EACCES || numeroErrno == EPERM)
    return {errores::PermisoDenegado, "Permiso denegado para ejecutar " + programa, "MenuExes"};
  return {errores::ArgumentoInvalido, "No se pudo iniciar " + programa, "MenuExes"};
}

}  // namespace

ErrorSistema IniciarSinEsperar(const std::string& programa, const std::string& argumento, int32_t& idProceso) {
  idProceso = 0;
  int canalId[2], canalExec[2];
  if (pipe2(canalId, O_CLOEXEC) != 0) return ErrorDeInicio(errno, programa);
  if (pipe2(canalExec, O_CLOEXEC) != 0) {
    const int e = errno;
    close(canalId[0]);
    close(canalId[1]);
    return ErrorDeInicio(e, programa);
  }
  // Everything the children use is ready before the fork: after it only
  // system calls run.
  char* const argumentos[] = {const_cast<char*>(programa.c_str()), const_cast<char*>(argumento.c_str()), nullptr};
  const pid_t intermedio = fork();
  if (intermedio == 0) {
    // The intermediate child starts the program and ends at once, so the
    // program belongs to the system's reaper, not to the launcher.
    const pid_t nieto = fork();
    if (nieto == 0) {
      setsid();
      execv(programa.c_str(), argumentos);
      const int e = errno;
      (void)!write(canalExec[1], &e, sizeof e);
      _exit(127);
    }
    (void)!write(canalId[1], &nieto, sizeof nieto);
    _exit(0);
  }
  const int errorFork = errno;
  close(canalId[1]);
  close(canalExec[1]);
  pid_t nieto = -1;
  int errorExec = 0;
  if (intermedio > 0) {
    int estado = 0;
    while (waitpid(intermedio, &estado, 0) < 0 && errno == EINTR) {
    }
    if (!LeerTodo(canalId[0], &nieto, sizeof nieto)) nieto = -1;
    // The pipe closes without a word when the program started (close on exec).
    if (nieto > 0 && !LeerTodo(canalExec[0], &errorExec, sizeof errorExec)) errorExec = 0;
    else if (nieto <= 0) errorExec = EAGAIN;
  }
  close(canalId[0]);
  close(canalExec[0]);
  if (intermedio < 0) return ErrorDeInicio(errorFork, programa);
  if (errorExec != 0) return ErrorDeInicio(errorExec, programa);
  idProceso = int32_t(nieto);
  return {};
}
