#include "unifier/ArchivoLineas.h"

#include <cerrno>

#include "sivlib/CodigoAnsi.h"
#include "unifier/ConstantesVorna.h"
#include "unifier/ErrorArchivo.h"

namespace vorna {

std::string CampoDeLinea(std::string_view campo) {
  std::string r(campo);
  for (char& c : r) {
    if (c == ';') c = ',';
    else if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  return r;
}

std::string UnirCampos(const std::vector<std::string>& campos) {
  std::string linea;
  for (size_t i = 0; i < campos.size(); ++i) {
    if (i) linea += kDelimitador;
    linea += CampoDeLinea(campos[i]);
  }
  return linea;
}

std::string BytesLinea(std::string_view lineaUtf8) { return ansi::DesdeUtf8(lineaUtf8) + std::string(kFinDeLinea); }

ArchivoLineas::~ArchivoLineas() { Cerrar(); }

ErrorSistema ArchivoLineas::Crear(const std::string& ruta) {
  Cerrar();
  ruta_ = ruta;
  lineas_ = 0;
  errno = 0;
  archivo_ = std::fopen(ruta.c_str(), "wb");
  if (!archivo_) return ErrorDeArchivo(errno, "crear", ruta);
  return {};
}

ErrorSistema ArchivoLineas::EscribirLinea(const std::vector<std::string>& campos) {
  return EscribirTextoLinea(UnirCampos(campos));
}

ErrorSistema ArchivoLineas::EscribirTextoLinea(std::string_view lineaUtf8) {
  if (!archivo_) return ErrorDeArchivo(EBADF, "escribir", ruta_);
  const std::string bytes = BytesLinea(lineaUtf8);
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), archivo_) != bytes.size()) {
    const int causa = errno;
    // A line written in part stays in the file; the caller decides
    // whether the file is still worth delivering.
    std::clearerr(archivo_);
    return ErrorDeArchivo(causa, "escribir", ruta_);
  }
  ++lineas_;
  return {};
}

ErrorSistema ArchivoLineas::Cerrar() {
  if (!archivo_) return {};
  errno = 0;
  const bool escrito = std::fflush(archivo_) == 0 && !std::ferror(archivo_);
  const int causa = errno;
  const bool cerrado = std::fclose(archivo_) == 0;
  const int causaCierre = errno;
  archivo_ = nullptr;
  if (!escrito) return ErrorDeArchivo(causa, "escribir", ruta_);
  if (!cerrado) return ErrorDeArchivo(causaCierre, "cerrar", ruta_);
  return {};
}

}  // namespace vorna
