#include "support/CarpetaPrueba.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "sivlib/Entorno.h"
#include "sivlib/OperadorDesatendido.h"

CarpetaPrueba::CarpetaPrueba() : CarpetaPrueba(std::filesystem::temp_directory_path().string()) {}

CarpetaPrueba::CarpetaPrueba(const std::string& dentroDe) {
  std::error_code ec;
  std::filesystem::create_directories(dentroDe, ec);
  std::string plantilla = (std::filesystem::path(dentroDe) / "ut_vorna_prueba_XXXXXX").string();
  char* r = mkdtemp(plantilla.data());
  ruta_ = std::string(r ? r : plantilla.c_str()) + "/";
}

EnCarpeta::EnCarpeta(const std::string& carpeta) : previa_(std::filesystem::current_path().string()) {
  std::filesystem::current_path(carpeta);
}

EnCarpeta::~EnCarpeta() {
  std::error_code ec;
  std::filesystem::current_path(previa_, ec);
}

CarpetaProgramas::CarpetaProgramas() : CarpetaPrueba(CarpetaEjecutable() + "programas_de_prueba") {}

CarpetaPrueba::~CarpetaPrueba() {
  std::error_code ec;
  std::filesystem::remove_all(ruta_, ec);
}

std::string LeerArchivo(const std::string& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

void EscribirArchivo(const std::string& ruta, const std::string& bytes) {
  std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
  f << bytes;
}

bool Existe(const std::string& ruta) {
  struct stat st {};
  return stat(ruta.c_str(), &st) == 0;
}

OperadorDePrueba::OperadorDePrueba() : op_(std::make_shared<OperadorGuionado>()) { FijarOperador(op_); }

OperadorDePrueba::~OperadorDePrueba() { FijarOperador(std::make_shared<OperadorDesatendido>()); }
