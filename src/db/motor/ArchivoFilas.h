#pragma once
// The rows of a pending result kept in a temporary file while the
// connection serves another statement, read back in the order written;
// rows may still be added while the first ones are being read. The file
// lives in the temporary folder (TEMP, TMP, TMPDIR, /tmp) and is removed
// when the object goes.
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
  // Moves between the end (writing) and the next row to read; the stream
  // must be repositioned whenever it turns from one to the other.
  bool Posicionar(bool leer);
  std::FILE* f_ = nullptr;
  std::string ruta_;
  size_t escritas_ = 0, leidas_ = 0;
  long finEscrito_ = 0, siguienteLectura_ = 0;
  bool leyendo_ = false;
};
