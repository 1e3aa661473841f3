#pragma once
// What the translation may ask of the open database: the columns of a
// table with their declared types. Some SQL Server behaviours depend on
// the column a value goes to (a date-looking text stored into a text
// column stays as written), and SQLite's text alone does not tell.
#include <functional>
#include <string>
#include <vector>

namespace dialecto_sqlite {

struct ColumnaDeclarada {
  std::string nombre;
  std::string tipo;  // as declared in CREATE TABLE ("varchar(20)", "datetime"), may be empty
};

// The columns of a table in their order; empty when the table is unknown.
// An empty function means no database to ask: every table is unknown.
using EsquemaDeTablas = std::function<std::vector<ColumnaDeclarada>(const std::string& tabla)>;

// Dates are stored as ISO text: a column whose declared type names a date
// or a time (datetime, date, smalldatetime, time ...) gets dates in that form.
bool EsTipoFecha(const std::string& tipoDeclarado);

}  // namespace dialecto_sqlite
