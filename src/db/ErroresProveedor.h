#pragma once
// The connection's provider error list (ADO's Errors collection): every
// record the provider left, warnings included. It stays until cleared, also
// after a later statement succeeds, because callers (the script runner, the
// data update scripts) inspect it after the fact.
#include <vector>

#include "db/motor/Motor.h"

// An informational record: it tells, it does not fail.
bool EsInformativo(const ErrorProveedor& registro);

class ErroresProveedor {
 public:
  long Count() const { return static_cast<long>(lista_.size()); }
  // Record i (0-based); an index out of range gives an empty record.
  const ErrorProveedor& Item(long i) const;
  void Clear() { lista_.clear(); }
  void Agregar(const std::vector<ErrorProveedor>& registros);
  void Agregar(const ErrorProveedor& registro) { lista_.push_back(registro); }
  const std::vector<ErrorProveedor>& Lista() const { return lista_; }
  // Records that are failures: informational ones (PRINT output, messages
  // below error severity, SQL state class 01) stay in the list but are none.
  long Fallos() const;
  // The first failure record; an empty record when there is none.
  const ErrorProveedor& PrimerFallo() const;

 private:
  std::vector<ErrorProveedor> lista_;
};
