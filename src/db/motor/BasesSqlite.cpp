#include "db/motor/BasesSqlite.h"

#include <filesystem>

#include "db/motor/ArchivoSqlite.h"
#include "db/motor/ErroresSqlite.h"
#include "sivlib/Texto.h"

namespace fs = std::filesystem;

std::string UbicarBaseSqlite(const std::string& nombre) {
  const fs::path ruta = RutaBaseSqlite(nombre);
  std::error_code ec;
  if (fs::exists(ruta, ec) || EsRutaDeBase(nombre)) return ruta.string();
  const std::string buscado = ruta.filename().string();
  for (fs::directory_iterator it(ruta.parent_path(), ec), fin; !ec && it != fin; it.increment(ec))
    if (texto::IgualesSinCaso(it->path().filename().string(), buscado)) return it->path().string();
  return ruta.string();
}

bool ExisteBaseSqlite(const std::string& nombre) {
  std::error_code ec;
  return fs::is_regular_file(UbicarBaseSqlite(nombre), ec);
}

bool EsLaMismaBase(const std::string& nombre, const std::string& rutaAbierta) {
  std::error_code ec;
  return fs::equivalent(UbicarBaseSqlite(nombre), rutaAbierta, ec);
}

std::string RutaCanonica(const std::string& ruta) {
  std::error_code ec;
  const fs::path p = fs::weakly_canonical(ruta, ec);
  return ec ? ruta : p.string();
}

Resultado BaseNoExiste(const std::string& nombre) {
  return ErrorMotor(ado::ErrorEnComando, 911, "42000",
                    "Database '" + nombre + "' does not exist. Make sure that the name is entered correctly.");
}
