#pragma once
// The rows of a pending result kept in a temporary file while the
// connection serves another statement: written once, then read back in the
// order written. The file lives in the temporary folder (TEMP, TMP, TMPDIR,
// /tmp) and is removed when the object goes.
#include <cstdio>
#include <string>
#include <vector>

#include "db/motor/Motor.h"

class ArchivoFilas {
 public:
  ArchivoFilas() = default;
  ~ArchivoFilas();
  ArchivoFilas(const ArchivoFilas&) = delete;
  ArchivoFilas& operator=(const ArchivoFilas&) = delete;

  // Appends a row (the file is created on the first one). A failure (no
  // room, no temporary folder) is reported with the file's name.
  Resultado Escribir(const std::vector<Variant>& fila);
  // The next row written; false after the last one, or on a failure (in `r`).
  bool Leer(std::vector<Variant>& fila, Resultado& r);
  size_t Pendientes() const { return escritas_ - leidas_; }
  const std::string& Ruta() const { return ruta_; }

 private:
  Resultado Crear();
  Resultado Fallo(const std::string& que) const;
  std::FILE* f_ = nullptr;
  std::string ruta_;
  size_t escritas_ = 0, leidas_ = 0;
  bool leyendo_ = false;
};
