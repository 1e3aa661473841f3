#pragma once
// The connection's provider error list (ADO's Errors collection): every
// record the provider left, warnings included. It stays until cleared, also
// after a later statement succeeds, because callers (the script runner, the
// data update scripts) inspect it after the fact.
#include <vector>

#include "db/motor/Motor.h"

class ErroresProveedor {
 public:
  long Count() const { return static_cast<long>(lista_.size()); }
  // Record i (0-based); an index out of range gives an empty record.
  const ErrorProveedor& Item(long i) const;
  void Clear() { lista_.clear(); }
  void Agregar(const std::vector<ErrorProveedor>& registros);
  void Agregar(const ErrorProveedor& registro) { lista_.push_back(registro); }
  const std::vector<ErrorProveedor>& Lista() const { return lista_; }

 private:
  std::vector<ErrorProveedor> lista_;
};
