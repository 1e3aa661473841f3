#pragma once
// The SELECT statement a lookup shows for a table: from its definition in
// the definitions file, or from the table's own columns.
#include <optional>
#include <string>

#include "lookup/MascarasConsultas.h"

namespace consulta {

// Rows a built statement asks for: configuration key "TopConsArt" as a
// number; 1000 when it reads 0 (missing, or no number).
long LimiteFilas();

// The statement of a definition: "SELECT TOP n <columns> FROM <table>
// [ WHERE <condition>][ ORDER BY <search column>]". The condition is the
// definition's, else `Where`, else the default one of the customers,
// suppliers and articles views. An empty `CampoBusqueda` becomes the first
// column; nullopt when the definition names fewer than two columns then
// (the caller tells the operator).
std::optional<std::string> SentenciaDeMascara(const MascaraConsulta& m, long limite, std::string& CampoBusqueda,
                                              const std::string& Where);

// The statement of a table without definition, from a one-row read of it:
// its columns in reverse order without ID and the two time stamps, ordered
// by its description column ("DESCRIPCION", "NOMBRE", "DETALLE"; else the
// first column read), which `CampoBusqueda` receives.
std::string SentenciaPorDescubrimiento(const std::string& tabla, long limite, std::string& CampoBusqueda);

// The definition of `tabla` (ignoring case and blanks) in the file; nullopt
// when the file has none or cannot be read.
std::optional<MascaraConsulta> BuscarMascara(const std::string& ruta, const std::string& tabla);

}  // namespace consulta
