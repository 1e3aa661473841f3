#include "db/motor/BufferFilas.h"

#include <memory>

namespace {

size_t Tamano(const std::vector<Variant>& fila) {
  size_t n = sizeof fila + fila.capacity() * sizeof(Variant);
  for (const Variant& v : fila)
    if (v.EsTexto()) n += v.Texto().size();
  return n;
}

}  // namespace

Resultado BufferFilas::Agregar(std::vector<Variant> fila) {
  // A file read to its end holds nothing the new rows must follow.
  if (archivo_ && archivo_->Pendientes() == 0 && memoria_.empty()) archivo_.reset();
  const size_t tamano = Tamano(fila);
  if (!archivo_ && (memoria_.empty() || bytes_ + tamano <= limite_)) {
    bytes_ += tamano;
    memoria_.emplace_back(tamano, std::move(fila));
    return {};
  }
  if (!archivo_) archivo_ = std::make_unique<ArchivoFilas>();
  return archivo_->Escribir(fila);
}

bool BufferFilas::Sacar(std::vector<Variant>& fila, Resultado& r) {
  if (!memoria_.empty()) {
    bytes_ -= memoria_.front().first;
    fila = std::move(memoria_.front().second);
    memoria_.pop_front();
    return true;
  }
  if (!archivo_) return false;
  if (archivo_->Leer(fila, r)) return true;
  archivo_.reset();  // read to its end (or unreadable): the file goes at once
  return false;
}
