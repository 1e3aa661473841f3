#pragma once
// The script runner's guard against commands that drop or empty tables:
// such a line runs only after the operator has typed the password, once
// per run. The comparisons respect case: "drop table" is guarded, "DROP
// TABLE" is not.
#include <string>

// True when the line drops or empties a table that is not one of the
// working tables the suite's scripts may always empty.
bool EsComandoDeEliminacion(const std::string& linea);

class GuardiaEliminacion {
 public:
  // True when the line may run: it is no such command, or the password
  // has been given in this run (asked now when not yet). A wrong or
  // cancelled answer shows the refusal and gives false.
  bool Permite(const std::string& linea);

 private:
  bool permiso_ = false;
};
