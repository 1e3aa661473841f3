#include "GuionDePrueba.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "provisioning/ArchivoErroresGuion.h"
#include "sivlib/ValoresGlobales.h"

EsquemaJuntoAlPrograma::EsquemaJuntoAlPrograma(const std::string& carpeta) {
  std::filesystem::copy_file(ESQUEMA_ESTADISTICAS, carpeta + "completopxe.sql");
  gCarpetaAplicacion = carpeta;
}

EsquemaJuntoAlPrograma::~EsquemaJuntoAlPrograma() { gCarpetaAplicacion.clear(); }

std::string ConGuionSqlite::Guion(const std::string& bytes, const std::string& nombre) {
  const std::string ruta = carpeta / nombre;
  EscribirArchivo(ruta, bytes);
  return ruta;
}

std::vector<std::string> ArchivosDeErrores(const std::string& carpeta) {
  std::vector<std::string> archivos;
  for (const auto& e : std::filesystem::directory_iterator(carpeta)) {
    const std::string n = e.path().filename().string();
    if (n.starts_with("Script") && n.ends_with(".TXT")) archivos.push_back(e.path().string());
  }
  return archivos;
}

std::vector<std::string> ConGuionSqlite::ArchivosDeErrores() const { return ::ArchivosDeErrores(carpeta.Ruta()); }

std::string ConGuionSqlite::Abiertos(size_t esperados) const {
  std::string s;
  for (int i = 0; i < 200; ++i) {
    s = LeerArchivo(carpeta / "abiertos.txt");
    if (static_cast<size_t>(std::count(s.begin(), s.end(), '\n')) >= esperados) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return s;
}

bool NombreDeAlgunSegundo(const std::string& nombre, const FechaHora& antes, const FechaHora& despues) {
  const long long segundos = std::llround((despues.Serial() - antes.Serial()) * 86400);
  for (long long i = 0; i <= segundos; ++i)
    if (nombre == NombreArchivoErrores(FechaHora::DesdeSerial(antes.Serial() + i / 86400.0))) return true;
  return false;
}
