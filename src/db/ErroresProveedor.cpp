#include "db/ErroresProveedor.h"

const ErrorProveedor& ErroresProveedor::Item(long i) const {
  static const ErrorProveedor vacio;
  return i >= 0 && i < Count() ? lista_[static_cast<size_t>(i)] : vacio;
}

void ErroresProveedor::Agregar(const std::vector<ErrorProveedor>& registros) {
  lista_.insert(lista_.end(), registros.begin(), registros.end());
}
