#include "support/ProcesoPrueba.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "sivlib/Entorno.h"

std::string ProgramaCompilado() {
  const char* bin = std::getenv("UT_VORNA_BIN");
  return (bin && *bin ? std::string(bin) : CarpetaEjecutable() + "../bin") + "/ut_vorna";
}

std::string CopiarPrograma(const std::string& carpeta, const std::string& nombre) {
  namespace fs = std::filesystem;
  const fs::path original = ProgramaCompilado();
  const std::string copia = (fs::path(carpeta) / nombre).string();
  fs::copy_file(original, copia, fs::copy_options::overwrite_existing);
  // The statistics schema script is delivered beside the program, which looks for it there.
  std::error_code ec;
  fs::copy_file(original.parent_path() / "completopxe.sql", fs::path(carpeta) / "completopxe.sql",
                fs::copy_options::overwrite_existing, ec);
  return copia;
}

std::string InstalarPrograma(const std::string& prefijo, const std::string& nombre) {
  namespace fs = std::filesystem;
  const fs::path original = ProgramaCompilado();
  const fs::path bin = fs::path(prefijo) / "bin", datos = fs::path(prefijo) / "share" / "ut_vorna";
  fs::create_directories(bin);
  fs::create_directories(datos);
  fs::copy_file(original, bin / nombre, fs::copy_options::overwrite_existing);
  fs::copy_file(original.parent_path() / "completopxe.sql", datos / "completopxe.sql",
                fs::copy_options::overwrite_existing);
  return (bin / nombre).string();
}

ProcesoPrueba::~ProcesoPrueba() {
  if (Senal(SIGKILL)) Esperar(60);
}

bool ProcesoPrueba::Lanzar(const std::vector<std::string>& argumentos, std::vector<std::string> entorno,
                           const std::string& errores) {
  if (pid_ > 0 || argumentos.empty()) return false;
  std::vector<std::string> copia = argumentos;
  std::vector<char*> args, env;
  for (auto& a : copia) args.push_back(a.data());
  args.push_back(nullptr);
  for (auto& e : entorno) env.push_back(e.data());
  env.push_back(nullptr);
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&acciones, 2, errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  const int r = posix_spawn(&pid, args[0], &acciones, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&acciones);
  if (r != 0 || pid <= 0) return false;
  pid_ = pid;
  estado_ = -1;
  return true;
}

bool ProcesoPrueba::SigueCorriendo() {
  if (pid_ <= 0) return false;
  int estado = 0;
  const pid_t r = waitpid(pid_, &estado, WNOHANG);
  if (r == 0) return true;
  if (r == pid_) estado_ = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
  pid_ = 0;  // ended, or no longer ours to wait for
  return false;
}

int ProcesoPrueba::Esperar(double segundos) {
  const auto fin = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
  while (SigueCorriendo()) {
    if (std::chrono::steady_clock::now() >= fin) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return estado_;
}

bool ProcesoPrueba::Senal(int senal) { return SigueCorriendo() && kill(pid_, senal) == 0; }
