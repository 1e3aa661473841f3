#pragma once
// The ADO-form connection string ("Provider=...;Server=...;Database =...;")
// read as keys and values. Keys are compared without regard to case and
// trimmed, since the program writes "Database =" and "Data Source =" with a
// blank before "="; values are trimmed too. A later key overrides an
// earlier one, as ADO does.
#include <string>
#include <utility>
#include <vector>

class CadenaConexion {
 public:
  explicit CadenaConexion(const std::string& texto);
  // Value of the first key of the list that is present; empty when none is.
  std::string Valor(std::initializer_list<const char*> claves) const;
  bool Tiene(const char* clave) const;
  const std::vector<std::pair<std::string, std::string>>& Pares() const { return pares_; }

 private:
  std::vector<std::pair<std::string, std::string>> pares_;
};
