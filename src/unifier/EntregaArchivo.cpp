#include "unifier/EntregaArchivo.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define ID_PROCESO _getpid
#else
#include <fcntl.h>
#include <unistd.h>
#define ID_PROCESO getpid
#endif

#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "unifier/ErrorArchivo.h"

namespace vorna {
namespace {

// Hidden name in the destination folder, unique within this process.
std::string NombreParcial(const std::string& carpeta, const std::string& nombre) {
  static std::atomic<long> contador{0};
  return carpeta + "." + nombre + "." + std::to_string(long(ID_PROCESO())) + "-" + std::to_string(++contador) +
         ".parcial";
}

// Forces the written bytes of an open file (or a folder's entries) to disk,
// so that a power cut after the rename cannot leave an empty final file.
bool AlDisco(int descriptor) {
#ifdef _WIN32
  (void)descriptor;
  return true;
#else
  return fsync(descriptor) == 0;
#endif
}

void CarpetaAlDisco(const std::string& carpeta) {
#ifndef _WIN32
  const int d = open(carpeta.c_str(), O_RDONLY | O_DIRECTORY);
  if (d >= 0) {
    fsync(d);
    close(d);
  }
#else
  (void)carpeta;
#endif
}

// Copies `origen` into the new file `destino` (which must not exist) and
// writes it to disk. Returns the failure, number 0 when done.
ErrorSistema CopiarCompleto(const std::string& origen, const std::string& destino) {
  errno = 0;
  std::FILE* entrada = std::fopen(origen.c_str(), "rb");
  if (!entrada) return ErrorDeArchivo(errno, "leer", origen);
  errno = 0;
  std::FILE* salida = std::fopen(destino.c_str(), "wbx");
  if (!salida) {
    const int causa = errno;
    std::fclose(entrada);
    return ErrorDeArchivo(causa, "crear", destino);
  }
  ErrorSistema error;
  std::vector<char> bloque(1 << 16);
  while (!error.HayError()) {
    const size_t leidos = std::fread(bloque.data(), 1, bloque.size(), entrada);
    if (leidos == 0) {
      if (std::ferror(entrada)) error = ErrorDeArchivo(errno, "leer", origen);
      break;
    }
    errno = 0;
    if (std::fwrite(bloque.data(), 1, leidos, salida) != leidos) error = ErrorDeArchivo(errno, "escribir", destino);
  }
  std::fclose(entrada);
  errno = 0;
  if (!error.HayError() && (std::fflush(salida) != 0 || !AlDisco(fileno(salida))))
    error = ErrorDeArchivo(errno, "escribir", destino);
  errno = 0;
  if (std::fclose(salida) != 0 && !error.HayError()) error = ErrorDeArchivo(errno, "escribir", destino);
  return error;
}

}  // namespace

ResultadoEntrega EntregarArchivo(const std::string& archivoTemporal, const std::string& carpetaDestino,
                                 const std::string& nombreArchivo) {
  ResultadoEntrega r;
  if (carpetaDestino.empty()) return r;
  std::string parcial;
  try {
    const std::string carpeta = ConBarraFinal(carpetaDestino);
    r.destino = carpeta + nombreArchivo;
    parcial = NombreParcial(carpeta, nombreArchivo);
    r.error = CopiarCompleto(archivoTemporal, parcial);
    if (!r.error.HayError()) {
      std::error_code ec;
      std::filesystem::rename(parcial, r.destino, ec);  // replaces an older file in one step
      if (ec) r.error = ErrorDeArchivo(ec.value(), "reemplazar", r.destino);
    }
    if (r.error.HayError()) {
      // The operator knows the final name, not the hidden copy's.
      r.error.descripcion = texto::ReemplazarTodo(r.error.descripcion, parcial, r.destino);
      std::error_code ignorado;
      std::filesystem::remove(parcial, ignorado);
      r.estado = ResultadoEntrega::Estado::Fallido;
      return r;
    }
    CarpetaAlDisco(carpeta);
    r.estado = ResultadoEntrega::Estado::Entregado;
  } catch (const std::exception& e) {  // memory or text handling; nothing may escape
    std::error_code ignorado;
    if (!parcial.empty()) std::filesystem::remove(parcial, ignorado);
    r.estado = ResultadoEntrega::Estado::Fallido;
    r.error = ErrorDeArchivo(0, "copiar", r.destino);
    r.error.descripcion += " (" + std::string(e.what()) + ")";
  }
  return r;
}

}  // namespace vorna
