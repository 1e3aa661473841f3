#pragma once
// The F5 filter of the tree lookup: the statement narrowed in the database
// to the rows whose description contains the typed text. Filters
// accumulate: each one extends the statement the previous one left.
#include <string>

// The field the tree's search box filters on.
inline constexpr const char* kCampoFiltroArbol = "Descripcion";

// `sentencia` + (" and " when it has a "where", else " where ") +
// "Descripcion like '%<text>%' ", with its "order by" tail moved after the
// condition. The typed text has its apostrophes doubled, so that a name
// like O'HIGGINS filters instead of ending the literal.
std::string SentenciaFiltradaArbol(const std::string& sentencia, const std::string& tecleado);
