#include "unifier/tarea/EjecutarCmd.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

}  // namespace
}  // namespace tarea

bool EjecutarCmd(const std::string& Archivo, std::string& ErrDevuelto) {
  if (const int codigo = tarea::CodigoArchivo(Archivo); codigo != 0) {
    ErrDevuelto = tarea::TextoErrorInicio(codigo);
    return false;
  }
  if (access(Archivo.c_str(), R_OK) != 0) {
    ErrDevuelto = tarea::TextoErrorInicio(5);
    return false;
  }
  char* const args[] = {const_cast<char*>("/bin/sh"), const_cast<char*>(Archivo.c_str()), nullptr};
  pid_t pid = 0;
  if (const int r = posix_spawn(&pid, "/bin/sh", nullptr, nullptr, args, environ); r != 0) {
    ErrDevuelto = tarea::TextoErrorInicio(tarea::CodigoDe(r));
    return false;
  }
  for (;;) {
    int estado = 0;
    const pid_t fin = waitpid(pid, &estado, WNOHANG);
    if (fin == pid) return true;
    if (fin < 0 && errno != EINTR) {
      ErrDevuelto = tarea::TextoErrorInicio(-1);
      return false;
    }
    operador().ProcesarEventos();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}
