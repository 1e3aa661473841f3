#include "db/ErroresProveedor.h"

#include <algorithm>

const ErrorProveedor& ErroresProveedor::Item(long i) const {
  static const ErrorProveedor vacio;
  return i >= 0 && i < Count() ? lista_[static_cast<size_t>(i)] : vacio;
}

void ErroresProveedor::Agregar(const std::vector<ErrorProveedor>& registros) {
  lista_.insert(lista_.end(), registros.begin(), registros.end());
}

bool EsInformativo(const ErrorProveedor& p) { return p.estadoSql.rfind("01", 0) == 0; }

long ErroresProveedor::Fallos() const {
  return static_cast<long>(
      std::count_if(lista_.begin(), lista_.end(), [](const ErrorProveedor& p) { return !EsInformativo(p); }));
}

const ErrorProveedor& ErroresProveedor::PrimerFallo() const {
  for (const ErrorProveedor& p : lista_)
    if (!EsInformativo(p)) return p;
  return Item(-1);
}
