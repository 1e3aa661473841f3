#pragma once
// The rows a lookup tree is built from: the first columns of every row of
// its statement, read at once through the shared database object.
#include <string>
#include <vector>

#include "db/Pasos.h"
#include "sivlib/Variant.h"

using FilaArbol = std::vector<Variant>;

// Opens the statement (forward-only, read-only, Oracle translation on) and
// reads the first `columnas` values of each row. A statement that does not
// open gives no rows (the database layer has shown why). A statement with
// fewer columns, or a failing move to the next row, goes to `manejar`: a
// failing move may be repeated, skipped or end the reading; too few columns
// always give no rows, as nothing can be built from them.
std::vector<FilaArbol> LeerFilasArbol(const std::string& sentencia, int columnas, const Manejador& manejar);
