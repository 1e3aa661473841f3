#pragma once
// Rows read from the connection ahead of their reader, handed out in the
// order they came: in memory up to a bound, the rest in a temporary file
// (ArchivoFilas), so that a large result costs disk, not memory.
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "db/motor/ArchivoFilas.h"

class BufferFilas {
 public:
  explicit BufferFilas(size_t bytesEnMemoria) : limite_(bytesEnMemoria) {}

  // Keeps a row after those kept before.
  Resultado Agregar(std::vector<Variant> fila);
  // The oldest row kept; false when none is left, or on a failure (in `r`).
  bool Sacar(std::vector<Variant>& fila, Resultado& r);
  bool Vacio() const { return memoria_.empty() && (!archivo_ || archivo_->Pendientes() == 0); }
  bool UsaArchivo() const { return archivo_ != nullptr; }

 private:
  size_t limite_;
  size_t bytes_ = 0;
  std::deque<std::pair<size_t, std::vector<Variant>>> memoria_;  // with each row's size
  std::unique_ptr<ArchivoFilas> archivo_;                        // once rows go there, every later row follows them
};
