#include "ReplicaCron.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <thread>
#include <vector>

#include "sivlib/Entorno.h"

EntradaCronLeida LeerEntradaCron(const std::string& linea) {
  size_t i = 0;
  for (int campo = 0; campo < 5; ++campo) {
    while (i < linea.size() && std::isspace(static_cast<unsigned char>(linea[i]))) ++i;
    while (i < linea.size() && !std::isspace(static_cast<unsigned char>(linea[i]))) ++i;
  }
  while (i < linea.size() && std::isspace(static_cast<unsigned char>(linea[i]))) ++i;
  // cron's scan: a backslash marks the next character; a marked "%" takes
  // the backslash's place, an unmarked one ends the command.
  EntradaCronLeida r;
  bool marcado = false;
  for (; i < linea.size(); ++i) {
    const char c = linea[i];
    if (marcado) {
      if (c == '%') r.comando.back() = '%';
      else r.comando += c;
      marcado = false;
      continue;
    }
    if (c == '%') {
      // The input: "%" a line break, "\%" a "%", any other backslash kept.
      bool escapado = false;
      for (++i; i < linea.size(); ++i) {
        const char d = linea[i];
        if (escapado && d != '%') r.entrada += '\\';
        const char real = !escapado && d == '%' ? '\n' : d;
        escapado = real == '\\';
        if (!escapado) r.entrada += real;
      }
      break;
    }
    r.comando += c;
    marcado = c == '\\';
  }
  return r;
}

std::string LineaConEtiqueta(const std::string& tabla, const std::string& etiqueta) {
  size_t inicio = 0;
  while (inicio < tabla.size()) {
    size_t fin = tabla.find('\n', inicio);
    if (fin == std::string::npos) fin = tabla.size();
    const std::string linea = tabla.substr(inicio, fin - inicio);
    if (linea.size() >= etiqueta.size() &&
        linea.compare(linea.size() - etiqueta.size(), etiqueta.size(), etiqueta) == 0)
      return linea;
    inicio = fin + 1;
  }
  return "";
}

int EjecutarComoCron(const std::string& linea, const std::string& casa, const std::string& salida, double segundos) {
  const EntradaCronLeida e = LeerEntradaCron(linea);
  const std::string usuario = UsuarioSistema();
  std::vector<std::string> entorno = {"PATH=/usr/bin:/bin", "SHELL=/bin/sh", "HOME=" + casa, "LOGNAME=" + usuario,
                                      "USER=" + usuario};
  std::vector<char*> env;
  for (auto& v : entorno) env.push_back(v.data());
  env.push_back(nullptr);
  std::string comando = e.comando;
  char sh[] = "/bin/sh", menosC[] = "-c";
  char* args[] = {sh, menosC, comando.data(), nullptr};

  int tubo[2];
  if (pipe(tubo) != 0) return -1;
  const int archivo = open(salida.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(tubo[0], 0);
    dup2(archivo, 1);
    dup2(archivo, 2);
    close(tubo[0]);
    close(tubo[1]);
    if (chdir(casa.c_str()) != 0) _exit(126);
    execve(sh, args, env.data());
    _exit(127);
  }
  close(tubo[0]);
  if (archivo >= 0) close(archivo);
  if (pid < 0) {
    close(tubo[1]);
    return -1;
  }
  signal(SIGPIPE, SIG_IGN);
  if (!e.entrada.empty()) {
    const ssize_t escritos = write(tubo[1], e.entrada.data(), e.entrada.size());
    (void)escritos;  // a command that does not read its input is no failure
  }
  close(tubo[1]);
  const auto fin = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
  int estado = 0;
  while (waitpid(pid, &estado, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= fin) {
      kill(pid, SIGKILL);
      waitpid(pid, &estado, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
}
