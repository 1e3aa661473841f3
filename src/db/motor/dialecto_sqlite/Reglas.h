#pragma once
// The rules that turn one SQL Server statement into SQLite's dialect, one
// concern each (each in its own file). TraducirSentencia applies them in
// the order that lets each see what the earlier ones left.
#include <string>
#include <vector>

#include "db/motor/dialecto_sqlite/Esquema.h"
#include "db/motor/dialecto_sqlite/Lexico.h"

namespace dialecto_sqlite {

// N'text' -> 'text'.
void ReglaLiteralesN(std::vector<Token>& t);
// 'ana ' = X -> 'ana' = X: a text compared (=, <>, <, ... and simple IN
// lists) loses its trailing blanks, as SQL Server ignores them there.
void ReglaBlancosFinales(std::vector<Token>& t);
// Day/month/year literals ('09/12/2026', '09/12/2026 14:00:00', #09/12/2026#)
// -> the ISO text dates are stored as ('2026-12-09', '2026-12-09 14:00:00'),
// except a whole value stored into a column that `esquema` shows is not a
// date column.
void ReglaFechas(std::vector<Token>& t, const EsquemaDeTablas& esquema = {});
// [name] -> "name".
void ReglaCorchetes(std::vector<Token>& t);
// dbo.NAME -> NAME (the owner, also as [dbo]).
void ReglaPropietario(std::vector<Token>& t);
// Table hints: WITH (NOLOCK), with(nolock), (NOLOCK) after a table -> removed.
void ReglaSugerencias(std::vector<Token>& t);
// ISNULL(a, b) -> IFNULL(a, b); LEFT( / RIGHT( -> LEFT_TSQL( / RIGHT_TSQL(.
void ReglaNombresDeFuncion(std::vector<Token>& t);
// CONVERT(type, value[, style]) and CAST(value AS type) -> CONVERTIR_TSQL('type', value[, style]).
void ReglaConversiones(std::vector<Token>& t);
// DELETE T WHERE ... -> DELETE FROM T WHERE ...
void ReglaDeleteSinFrom(std::vector<Token>& t);
// a + b -> SUMAR_TSQL(a, b): adds numbers, joins texts, as SQL Server's "+".
void ReglaSuma(std::vector<Token>& t);
// SELECT TOP n [PERCENT] ... -> SELECT ... LIMIT n (also in sub-queries).
void ReglaTop(std::vector<Token>& t);
// COLLATE Latin1_General_CI_AI -> COLLATE NOCASE; a case-sensitive or
// binary collation -> COLLATE BINARY.
void ReglaColaciones(std::vector<Token>& t);

// Without `esquema` every table is unknown (date literals always become ISO).
std::string TraducirSentencia(const std::string& sql, const EsquemaDeTablas& esquema = {});

}  // namespace dialecto_sqlite
