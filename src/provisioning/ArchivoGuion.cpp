#include "provisioning/ArchivoGuion.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "provisioning/FalloArchivo.h"

ErrorSistema LeerArchivoGuion(const std::string& ruta, std::string& bytes) {
  bytes.clear();
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(ruta.c_str(), "rb"), &std::fclose);
  if (!f) return FalloArchivo(errno, ruta);
  char bloque[16384];
  size_t n = 0;
  while ((n = std::fread(bloque, 1, sizeof bloque, f.get())) > 0) bytes.append(bloque, n);
  if (std::ferror(f.get())) return FalloArchivo(EIO, ruta);
  return {};
}
