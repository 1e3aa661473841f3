#include "services/Archivos.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <system_error>
#include <vector>

#include "sivlib/Entorno.h"

bool ExisteArchivo(const std::string& ruta) {
  std::error_code ec;
  if (ruta.empty() || std::filesystem::is_directory(ruta, ec)) return false;
  std::FILE* f = std::fopen(ruta.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

namespace {

struct Cerrar {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Archivo = std::unique_ptr<std::FILE, Cerrar>;

bool CopiarTramo(std::FILE* origen, std::FILE* destino, std::vector<char>& buffer, size_t bytes) {
  if (bytes == 0) return true;
  return std::fread(buffer.data(), 1, bytes, origen) == bytes && std::fwrite(buffer.data(), 1, bytes, destino) == bytes;
}

}  // namespace

bool CopiarArchivo(const std::string& origen, const std::string& destino) {
  using namespace archivos;
  if (!ExisteArchivo(origen)) return false;
  std::error_code ec;
  const auto largo = static_cast<long long>(std::filesystem::file_size(origen, ec));
  if (ec) return false;
  // The block count is a 16-bit number; a file it cannot count is refused
  // before the destination is touched.
  const long long bloques = (largo / kBloqueGrande) * 2;
  if (bloques > std::numeric_limits<int16_t>::max()) return false;
  // Truncating the destination would empty the source when both are the
  // same file (a destination folder that is the source's own): the bytes
  // are already where they are asked to be.
  if (std::filesystem::equivalent(origen, destino, ec)) return true;

  Archivo salida(std::fopen(destino.c_str(), "wb"));
  if (!salida) return false;
  Archivo entrada(std::fopen(origen.c_str(), "rb"));
  if (!entrada) return false;
  std::vector<char> buffer(kBloqueGrande);
  if (!CopiarTramo(entrada.get(), salida.get(), buffer, static_cast<size_t>(largo % kBloqueGrande))) return false;
  for (long long i = 0; i < bloques; ++i)
    if (!CopiarTramo(entrada.get(), salida.get(), buffer, kBloque)) return false;
  return std::fclose(salida.release()) == 0;
}

namespace archivos {

std::string TextoDocumento(const std::string& documento) {
  if (documento.find('"') == std::string::npos && documento.find(' ') != std::string::npos)
    return "\"" + documento + "\"";
  return documento;
}

}  // namespace archivos

void AbrirDocumento(const std::string& documento, bool mostrar) {
  AbrirConShell(archivos::TextoDocumento(documento), mostrar ? 6 : 0);
}
