#include "sivlib/Entorno.h"

#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

extern char** environ;

std::string NombreEquipo() {
  char buf[HOST_NAME_MAX + 1] = {};
  if (gethostname(buf, sizeof buf - 1) != 0) return "";
  return buf;
}

std::string UsuarioSistema() {
  if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) return pw->pw_name;
  for (const char* v : {"USER", "LOGNAME"})
    if (const char* s = std::getenv(v); s && *s) return s;
  return "";
}

std::string CarpetaTemporal() {
  for (const char* v : {"TEMP", "TMP", "TMPDIR"}) {
    const char* s = std::getenv(v);
    if (s && !texto::Recortado(s).empty()) return ConBarraFinal(texto::Recortado(s));
  }
  return "/tmp/";
}

bool AbrirConShell(const std::string& archivoPedido, int /*mostrar*/) {
  // Callers enclose paths with blanks in double quotes, as the Windows
  // shell expects; the opener here takes the path as one argument.
  std::string archivo = archivoPedido;
  if (archivo.size() >= 2 && archivo.front() == '"' && archivo.back() == '"')
    archivo = archivo.substr(1, archivo.size() - 2);
  // Detach through a double fork so no child is left to reap.
  pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    if (fork() == 0) {
      execlp("xdg-open", "xdg-open", archivo.c_str(), (char*)nullptr);
      _exit(127);
    }
    _exit(0);
  }
  int estado = 0;
  waitpid(pid, &estado, 0);
  return true;
}

std::string RutaEjecutable() {
  std::vector<char> buf(PATH_MAX + 1);
  const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return "";
  return std::string(buf.data(), size_t(n));
}

std::string CarpetaEjecutable() {
  const std::string ruta = RutaEjecutable();
  const size_t p = ruta.find_last_of('/');
  return p == std::string::npos ? "" : ruta.substr(0, p + 1);
}
