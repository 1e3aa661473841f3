#pragma once
// The SQL Server functions the program's statements call, registered on an
// SQLite connection under SQL Server's names (GETDATE, LEN, CHARINDEX,
// SUBSTRING with SQL Server's rules, LEFT, RIGHT, SPACE, REPLICATE, YEAR,
// MONTH, DAY), plus the two the rule set writes: SUMAR_TSQL (the "+"
// operator) and CONVERTIR_TSQL (CONVERT and CAST).
struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

void RegistrarFuncionesSqlServer(sqlite3* db);

namespace funciones_sqlite {
void RegistrarTexto(sqlite3* db);
void RegistrarFecha(sqlite3* db);
void Sumar(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void Convertir(sqlite3_context* ctx, int argc, sqlite3_value** argv);
}  // namespace funciones_sqlite
