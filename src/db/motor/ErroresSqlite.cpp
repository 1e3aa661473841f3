#include "db/motor/ErroresSqlite.h"

#include <sqlite3.h>

#include "sivlib/Texto.h"

namespace {

const char* kOrigen = "Microsoft OLE DB Provider for SQL Server";

// The object name in "no such table: main.X" / "table X already exists".
std::string NombreTras(const std::string& msg, const std::string& marca) {
  size_t p = texto::BuscarSinCaso(msg, marca);
  if (p == std::string::npos) return {};
  std::string resto = texto::Recortado(msg.substr(p + marca.size()));
  if (texto::EmpiezaSinCaso(resto, "main.")) resto.erase(0, 5);
  return resto.substr(0, resto.find_first_of(" ,"));
}

std::string NombreAntesDe(const std::string& msg, const std::string& marca) {
  size_t p = texto::BuscarSinCaso(msg, marca);
  if (p == std::string::npos) return {};
  std::string antes = texto::Recortado(msg.substr(0, p));
  const size_t blanco = antes.rfind(' ');
  return blanco == std::string::npos ? antes : antes.substr(blanco + 1);
}

// The token SQLite names in 'near "X": syntax error' (end of text when none).
std::string CercaDe(const std::string& msg) {
  const size_t a = msg.find('"'), b = a == std::string::npos ? a : msg.find('"', a + 1);
  return b == std::string::npos ? std::string("end of statement") : msg.substr(a + 1, b - a - 1);
}

std::string PrimeraPalabra(const std::string& sentencia) {
  std::string s = texto::Recortado(texto::ReemplazarTodo(texto::ReemplazarTodo(sentencia, "\r", " "), "\n", " "));
  return texto::Mayusculas(s.substr(0, s.find(' ')));
}

}  // namespace

Resultado ErrorMotor(long numeroAdo, long nativo, const std::string& estado, const std::string& descripcion) {
  return ResultadoFallido(numeroAdo, descripcion, kOrigen, estado, nativo);
}

Resultado ErrorSqlite(sqlite3* db, int codigo, const std::string& sentencia) {
  const std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(codigo);
  const int extendido = db ? sqlite3_extended_errcode(db) : codigo;
  const std::string verbo = PrimeraPalabra(sentencia);
  switch (extendido) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE: {
      std::string tabla = NombreTras(msg, "failed:");
      tabla = tabla.substr(0, tabla.find('.'));
      const bool pk = extendido == SQLITE_CONSTRAINT_PRIMARYKEY;
      return ErrorMotor(ado::ViolacionIntegridad, 2627, "23000",
                        std::string("Violation of ") + (pk ? "PRIMARY KEY" : "UNIQUE KEY") + " constraint '" +
                            (pk ? "PK_" : "UQ_") + tabla + "'. Cannot insert duplicate key in object 'dbo." + tabla +
                            "'.");
    }
    case SQLITE_CONSTRAINT_FOREIGNKEY:
      return ErrorMotor(ado::ViolacionIntegridad, 547, "23000",
                        "The " + verbo + " statement conflicted with the " +
                            (verbo == "DELETE" ? "REFERENCE" : "FOREIGN KEY") + " constraint. (" + msg + ")");
    case SQLITE_CONSTRAINT_CHECK:
      return ErrorMotor(ado::ViolacionIntegridad, 547, "23000",
                        "The " + verbo + " statement conflicted with the CHECK constraint. (" + msg + ")");
    case SQLITE_CONSTRAINT_NOTNULL: {
      const std::string col = NombreTras(msg, "failed:");
      return ErrorMotor(ado::ViolacionIntegridad, 515, "23000",
                        "Cannot insert the value NULL into column '" + col.substr(col.find('.') + 1) + "', table '" +
                            col.substr(0, col.find('.')) + "'; column does not allow nulls. " + verbo + " fails.");
    }
    default: break;
  }
  if ((codigo & 0xff) == SQLITE_BUSY || (codigo & 0xff) == SQLITE_LOCKED)
    return ErrorMotor(ado::ErrorNoEspecificado, 1222, "HYT00", "Lock request time out period exceeded. (" + msg + ")");
  if ((codigo & 0xff) == SQLITE_CONSTRAINT) return ErrorMotor(ado::ViolacionIntegridad, 547, "23000", msg);
  if ((codigo & 0xff) == SQLITE_ERROR) {
    if (texto::ContieneSinCaso(msg, "no such table") || texto::ContieneSinCaso(msg, "no such view")) {
      const std::string nombre = NombreTras(msg, ":");
      if (verbo == "DROP")
        return ErrorMotor(ado::TablaInexistente, 3701, "42S02",
                          "Cannot drop the table '" + nombre +
                              "', because it does not exist or you do not have "
                              "permission.");
      return ErrorMotor(ado::TablaInexistente, 208, "42S02", "Invalid object name '" + nombre + "'.");
    }
    if (texto::ContieneSinCaso(msg, "index") && texto::ContieneSinCaso(msg, "already exists"))
      return ErrorMotor(ado::ErrorEnComando, 1913, "42000",
                        "The operation failed because an index or statistics with name '" + NombreTras(msg, "index") +
                            "' already exists.");
    if (texto::ContieneSinCaso(msg, "already exists"))
      return ErrorMotor(
          ado::ErrorEnComando, 2714, "42S01",
          "There is already an object named '" + NombreAntesDe(msg, "already exists") + "' in the database.");
    if (texto::ContieneSinCaso(msg, "more than one primary key"))
      return ErrorMotor(ado::ErrorEnComando, 1779, "42000",
                        "Table '" + NombreTras(msg, "table") + "' already has a primary key defined on it.");
    if (texto::ContieneSinCaso(msg, "no such column"))
      return ErrorMotor(ado::ErrorEnComando, 207, "42S22", "Invalid column name '" + NombreTras(msg, ":") + "'.");
    if (texto::ContieneSinCaso(msg, "no such function"))
      return ErrorMotor(ado::ErrorEnComando, 195, "42000",
                        "'" + NombreTras(msg, ":") + "' is not a recognized built-in function name.");
    if (texto::ContieneSinCaso(msg, "syntax error") || texto::ContieneSinCaso(msg, "incomplete input") ||
        texto::ContieneSinCaso(msg, "unrecognized token"))
      return ErrorMotor(ado::ErrorEnComando, 102, "42000", "Incorrect syntax near '" + CercaDe(msg) + "'.");
    if (texto::EmpiezaSinCaso(msg, "Conversion failed")) return ErrorMotor(ado::ErrorNoEspecificado, 245, "22018", msg);
  }
  return ErrorMotor(ado::ErrorNoEspecificado, extendido, "HY000", msg);
}
