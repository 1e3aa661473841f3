#pragma once
// ADO field descriptions from SQLite's declared column types, and the
// special readings of some declared types (dates, bit).
#include <optional>
#include <string>

#include "db/motor/Motor.h"

enum class LecturaColumna {
  Valor,      // as stored
  Fecha,      // declared DATE/DATETIME/SMALLDATETIME: ISO text read back as FechaHora
  Logico,     // declared BIT: 0/1 read back as a boolean
  Expresion,  // no declared type: ISO date texts read back as dates
};

struct TipoDeclarado {
  int tipoAdo;
  long tamano;
  LecturaColumna lectura;
};

// `declarado` as written in CREATE TABLE ("varchar(50)", "money" ...); null
// or empty for an expression.
TipoDeclarado TipoDeDeclaracion(const char* declarado);
// For an expression column: from the storage class of its value (SQLITE_INTEGER ...).
int TipoAdoDeValor(int claseSqlite, bool pareceFecha);
// An ISO date or date-time text ("2026-12-09" / "2026-12-09 14:05:00").
bool PareceFechaIso(const char* s, int largo);
// The date of a text PareceFechaIso accepted; nullopt for an impossible
// date (a 31st of February). Read in place: it runs for every date of
// every row.
std::optional<FechaHora> LeerFechaIso(const char* s, int largo);
