#pragma once
// Calls of stored procedures as the program writes them for SQL Server:
// "EXEC sp_addlogin N'X', 'clave', 'BASE'", named arguments
// ("@loginame = 'X'"), bare words as values ("N'X', sysadmin"), and several
// calls in one line, each starting at its EXEC.
#include <string>
#include <vector>

namespace dialecto_sqlite {

struct ArgumentoProcedimiento {
  std::string parametro;  // "@loginame" when named; empty when by position
  std::string valor;      // literal without quotes, or the word as written
};

struct LlamadaProcedimiento {
  std::string nombre;  // the procedure without owner or database ("sp_addlogin")
  std::vector<ArgumentoProcedimiento> argumentos;

  // The argument given by name (any case) or, when not named, at `posicion`
  // (0-based, counting only the unnamed ones); empty when absent.
  std::string Argumento(const std::string& parametro, size_t posicion) const;
};

// The calls of a statement that begins with EXEC or EXECUTE, in order.
std::vector<LlamadaProcedimiento> LeerLlamadas(const std::string& sentencia);

}  // namespace dialecto_sqlite
