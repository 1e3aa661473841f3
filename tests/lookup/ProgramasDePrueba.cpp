#include "ProgramasDePrueba.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "support/CarpetaPrueba.h"

namespace fs = std::filesystem;

ProgramasDePrueba::ProgramasDePrueba() {
  const fs::path raiz = fs::path(PROGRAMA_LANZADO).parent_path() / "programas_lanzados";
  fs::create_directories(raiz);
  std::string plantilla = (raiz / "XXXXXX").string();
  const char* r = mkdtemp(plantilla.data());
  carpeta_ = std::string(r ? r : plantilla.c_str()) + "/";
}

ProgramasDePrueba::~ProgramasDePrueba() {
  std::error_code ec;
  fs::remove_all(carpeta_, ec);
}

std::string ProgramasDePrueba::Copiar(const std::string& nombre) const {
  const std::string destino = carpeta_ + nombre;
  fs::copy_file(PROGRAMA_LANZADO, destino, fs::copy_options::overwrite_existing);
  return destino;
}

std::string ProgramasDePrueba::Leido() const {
  // Only to prove the program ran: it writes at once.
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  const std::string ruta = carpeta_ + "lanzamiento.txt";
  while (!Existe(ruta) && std::chrono::steady_clock::now() < limite)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return LeerArchivo(ruta);
}
