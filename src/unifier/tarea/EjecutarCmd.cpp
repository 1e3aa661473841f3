#include "unifier/tarea/EjecutarCmd.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <thread>

#include "sivlib/Operador.h"

extern char** environ;

namespace tarea {

std::string TextoErrorInicio(int codigo) {
  switch (codigo) {
    case 2: return "Archivo no encontrado";
    case 3: return "Carpeta no existe";
    case 5: return "Acceso denegado";
    case 8: return "Sin memoria";
    case 11: return "Invalid EXE file or error in EXE image";
    case 26: return "A sharing violation occurred";
    case 27: return "Incomplete or invalid file association";
    case 28: return "DDE Time out";
    case 29: return "DDE transaction failed";
    case 30: return "DDE busy";
    case 31: return "No association for file extension";
    case 32: return "DLL no encontrada";
    default: return "Error desconocido";
  }
}

namespace {

// Longest message kept from a command file: enough for any error, bounded
// against a script gone wild.
constexpr size_t kLargoSalida = 64 * 1024;

// The platform's failure code for an errno of a file that cannot be started.
int CodigoDe(int error) {
  switch (error) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM: return 5;
    case ENOMEM: return 8;
    default: return -1;
  }
}

int CodigoArchivo(const std::string& archivo) {
  struct stat st {};
  if (stat(archivo.c_str(), &st) == 0) return S_ISREG(st.st_mode) ? 0 : 2;
  if (errno != ENOENT) return CodigoDe(errno);
  // A missing file in a missing folder reports the folder.
  const size_t barra = archivo.find_last_of('/');
  if (barra != std::string::npos && barra > 0 && stat(archivo.substr(0, barra).c_str(), &st) != 0) return 3;
  return 2;
}

// Reads what the pipe holds now, without waiting.
void LeerDisponible(int fd, std::string& salida) {
  std::array<char, 4096> buf{};
  ssize_t n;
  while ((n = read(fd, buf.data(), buf.size())) > 0)
    if (salida.size() < kLargoSalida) salida.append(buf.data(), std::min(size_t(n), kLargoSalida - salida.size()));
}

int EstadoSalida(int estado) {
  if (WIFEXITED(estado)) return WEXITSTATUS(estado);
  if (WIFSIGNALED(estado)) return 128 + WTERMSIG(estado);
  return -1;
}

// Starts /bin/sh on the file with standard output and standard error into
// `escritura`; the process id, or 0 with `error` set.
pid_t Lanzar(const std::string& archivo, int escritura, std::string& error) {
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&acciones, escritura, 1);
  posix_spawn_file_actions_adddup2(&acciones, escritura, 2);
  char* const args[] = {const_cast<char*>("/bin/sh"), const_cast<char*>(archivo.c_str()), nullptr};
  pid_t pid = 0;
  const int r = posix_spawn(&pid, "/bin/sh", &acciones, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&acciones);
  if (r == 0) return pid;
  error = TextoErrorInicio(CodigoDe(r));
  return 0;
}

}  // namespace

ResultadoComando EjecutarComando(const std::string& archivo) {
  ResultadoComando r;
  if (const int codigo = CodigoArchivo(archivo); codigo != 0) {
    r.error = TextoErrorInicio(codigo);
    return r;
  }
  if (access(archivo.c_str(), R_OK) != 0) {
    r.error = TextoErrorInicio(5);
    return r;
  }
  int tubo[2];
  if (pipe2(tubo, O_CLOEXEC) != 0) {
    r.error = TextoErrorInicio(CodigoDe(errno));
    return r;
  }
  fcntl(tubo[0], F_SETFL, O_NONBLOCK);
  const pid_t pid = Lanzar(archivo, tubo[1], r.error);
  close(tubo[1]);
  if (pid == 0) {
    close(tubo[0]);
    return r;
  }
  for (;;) {
    LeerDisponible(tubo[0], r.salida);
    int estado = 0;
    const pid_t fin = waitpid(pid, &estado, WNOHANG);
    if (fin == pid) {
      LeerDisponible(tubo[0], r.salida);
      r.terminado = true;
      r.estado = EstadoSalida(estado);
      break;
    }
    if (fin < 0 && errno != EINTR) {
      r.error = TextoErrorInicio(-1);
      break;
    }
    operador().ProcesarEventos();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  close(tubo[0]);
  return r;
}

}  // namespace tarea

bool EjecutarCmd(const std::string& Archivo, std::string& ErrDevuelto) {
  const tarea::ResultadoComando r = tarea::EjecutarComando(Archivo);
  if (!r.terminado) ErrDevuelto = r.error;
  return r.terminado;
}
