#include "db/motor/ArchivoSqlite.h"

#include <sqlite3.h>

#include <filesystem>
#include <mutex>

namespace fs = std::filesystem;

namespace {

std::mutex mCarpeta;
std::string& CarpetaPrincipal() {
  static std::string carpeta;
  return carpeta;
}

std::string CarpetaDeTrabajo() {
  std::error_code ec;
  const auto p = fs::current_path(ec);
  return ec ? std::string(".") : p.string();
}

// The program writes Windows paths with "\"; here both separators count.
std::string ConSeparadorLocal(std::string s) {
  for (char& c : s)
    if (c == '\\') c = '/';
  return s;
}

}  // namespace

bool EsRutaDeBase(const std::string& nombre) { return nombre.find_first_of("/\\.:") != std::string::npos; }

std::string RutaBaseSqlite(const std::string& nombre) {
  if (EsRutaDeBase(nombre)) return ConSeparadorLocal(nombre);
  std::lock_guard l(mCarpeta);
  const std::string carpeta = CarpetaPrincipal().empty() ? CarpetaDeTrabajo() : CarpetaPrincipal();
  return (fs::path(carpeta) / (nombre + ".sqlite")).string();
}

void RecordarBasePrincipal(const std::string& ruta) {
  std::error_code ec;
  const fs::path abs = fs::absolute(fs::path(ruta), ec);
  if (ec) return;
  std::lock_guard l(mCarpeta);
  CarpetaPrincipal() = abs.parent_path().string();
}

Resultado CrearBaseSqlite(const std::string& nombreBase) {
  Resultado r;
  const std::string ruta = RutaBaseSqlite(nombreBase);
  std::error_code ec;
  if (fs::exists(ruta, ec))
    return ResultadoFallido(ado::ErrorNoEspecificado,
                            "Database '" + nombreBase + "' already exists. Choose a different database name.", "SQLite",
                            "42000", 1801);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  // An empty file is not yet a database for other tools: writing the
  // header makes it one.
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA user_version = 0; VACUUM;", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK)
    r = ResultadoFallido(ado::ErrorNoEspecificado,
                         "CREATE DATABASE failed: " + ruta + ": " + (db ? sqlite3_errmsg(db) : "out of memory"),
                         "SQLite", "42000", 1802);
  sqlite3_close_v2(db);
  return r;
}
