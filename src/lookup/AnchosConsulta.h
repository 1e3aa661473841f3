#pragma once
// The column widths file "CONSULTASLEN.PRX" in the application folder: the
// widths the operator gave the columns of each table's lookup, one line per
// table in the ANSI code page, ended by CR LF, with two quoted fields
// separated by a comma: the table name and its widths in twips, each
// followed by "|" (decimal separator of the regional settings):
//   "VT_CLIENTES","1440|2880|900|"
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sivlib/ErrorSistema.h"

namespace anchos {

inline constexpr const char* kArchivo = "CONSULTASLEN.PRX";
inline constexpr const char* kTemporal = "CONSULTASLEN.AUX";

struct LineaAnchos {
  std::string tabla;
  std::string anchos;  // "1440|2880|900|"
};

// The file's path in a folder (given with or without its final separator).
std::string Ruta(const std::string& carpeta);
// The line of a table as stored (Windows-1252, CR LF).
std::string Linea(const std::string& tabla, const std::vector<double>& anchos);
// A stored line read back (without its line end; UTF-8); nullopt when it
// does not hold two fields.
std::optional<LineaAnchos> LeerLinea(std::string_view linea);
// The file's lines up to the first one that does not read (`completo`
// false then); nullopt when there is no file to read.
struct ContenidoAnchos {
  std::vector<LineaAnchos> lineas;
  bool completo = true;
};
std::optional<ContenidoAnchos> Leer(const std::string& ruta);
// The widths of a line's text in column order, for at most `columnas`
// columns. Each width is the text before the next "|"; the reading stops
// (`completo` false) at a width without its "|".
struct AnchosLeidos {
  std::vector<double> anchos;
  bool completo = true;
};
AnchosLeidos Anchos(const std::string& texto, size_t columnas);

// Replaces the line of `tabla` (ignoring case; it goes last) and keeps the
// others as they stand. The new file is written whole as the twin
// "CONSULTASLEN.AUX" and then put in place of the old one in one step, so
// a failure midway leaves the old file as it was.
ErrorSistema Grabar(const std::string& carpeta, const std::string& tabla, const std::vector<double>& anchos);

}  // namespace anchos
