#include "ProgramasDePrueba.h"

#include <chrono>
#include <filesystem>
#include <thread>

std::string ProgramasDePrueba::Copiar(const std::string& nombre) const {
  const std::string destino = Carpeta() + nombre;
  std::filesystem::copy_file(PROGRAMA_LANZADO, destino, std::filesystem::copy_options::overwrite_existing);
  return destino;
}

std::string ProgramasDePrueba::Leido() const {
  // Only to prove the program ran: it writes at once.
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  const std::string ruta = Carpeta() + "lanzamiento.txt";
  while (!Existe(ruta) && std::chrono::steady_clock::now() < limite)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return LeerArchivo(ruta);
}
