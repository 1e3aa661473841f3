#pragma once
// A batch as the program sends it: several statements separated by ";" or
// only by line breaks ("BEGIN TRANSACTION" CR CR "INSERT ..." CR "UPDATE ..."),
// cut into statements and each one classified, the SQL ones translated.
#include <string>
#include <vector>

#include "db/motor/dialecto_sqlite/Esquema.h"

namespace dialecto_sqlite {

enum class ClaseSentencia {
  Sql,            // run on SQLite (texto is the translated statement)
  Comenzar,       // BEGIN TRAN / BEGIN TRANSACTION
  Confirmar,      // COMMIT [TRAN | TRANSACTION | WORK]
  Deshacer,       // ROLLBACK [TRAN | TRANSACTION | WORK]
  SinEfecto,      // SET NOCOUNT ..., SET TRANSACTION ISOLATION ..., GO, PRINT
  CrearBase,      // CREATE DATABASE name (texto is the name)
  Usar,           // USE name (texto is the name)
  Procedimiento,  // EXEC / EXECUTE of one or more procedures (texto is empty)
};

struct Sentencia {
  ClaseSentencia clase;
  std::string texto;     // translated SQL, or the database name
  std::string original;  // the statement as it came
};

// The statements of a batch in order, in SQL Server's dialect.
std::vector<std::string> DividirLote(const std::string& sql);
// `esquema` is asked while the statement is translated: an engine that
// runs a batch classifies each statement just before running it, so that
// a table created earlier in the batch is known.
Sentencia ClasificarSentencia(const std::string& sentencia, const EsquemaDeTablas& esquema = {});
// Both at once.
std::vector<Sentencia> TraducirLote(const std::string& sql, const EsquemaDeTablas& esquema = {});

}  // namespace dialecto_sqlite
