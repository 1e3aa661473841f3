#pragma once
// Reading SQLite values the way SQL Server converts them: texts that hold
// numbers, ISO date texts, and the error SQL Server gives otherwise.
#include <optional>
#include <string>

#include "sivlib/FechaHora.h"

struct sqlite3_value;

namespace funciones_sqlite {

std::string TextoDe(sqlite3_value* v);
// The number a value holds: numbers as they are, texts that are a whole
// number literal (blanks around allowed); nullopt for any other text.
std::optional<double> NumeroDe(sqlite3_value* v);
// A stored date (ISO text), or nullopt.
std::optional<FechaHora> FechaIsoDe(sqlite3_value* v);
// SQL Server's message for a text that does not convert to a number.
std::string ErrorDeConversion(const std::string& valor, const char* tipo);

}  // namespace funciones_sqlite
