#pragma once
// The lookup definitions file "consultas.prx" in the application folder:
// fixed records of 1202 bytes in the ANSI code page (Windows-1252), one per
// table, naming the columns a lookup shows and a row condition. Each text
// field is left-aligned and padded with blanks; the record ends in CR LF so
// that the file also reads as text lines.
#include <string>
#include <vector>

struct MascaraConsulta {
  std::string nombre;     // display name (not used by the lookup)
  std::string tabla;      // table or view: the key a lookup matches
  std::string campos;     // columns enclosed in "|": "|DESCRIPCION|IDARTICULO|"
  std::string condicion;  // WHERE text without the keyword, or blank
};

namespace mascaras {
inline constexpr const char* kArchivo = "consultas.prx";
inline constexpr size_t kLargoRegistro = 1202;
inline constexpr size_t kLargoNombre = 100, kLargoTabla = 100, kLargoCampos = 500, kLargoCondicion = 500;

// The 1202 bytes of a record: each field converted to Windows-1252, cut or
// padded with blanks to its width, then CR LF.
std::string Registro(const MascaraConsulta& m);
// The fields of one record as stored (UTF-8, fill blanks and NULs kept).
MascaraConsulta DesdeRegistro(const std::string& bytes);
// The records of the file in order; empty when it cannot be read. A short
// last record reads as if filled with NULs.
std::vector<MascaraConsulta> Leer(const std::string& ruta);
// The eleven definitions the suite ships with, in their order.
const std::vector<MascaraConsulta>& Predeterminadas();
// A stored field without NUL and code-255 characters, trimmed.
std::string Limpio(const std::string& campo);
}  // namespace mascaras

// Hands the shared lookup service its connection string, the switch that
// makes it use the definitions file, and that file's path.
void ConfigurarServicioConsultas(const std::string& gConnString, bool gUsarMascarasConsultas,
                                 const std::string& gRutaMascaraConsultas);

// Appends the default definitions to the shared service's definitions file
// (created when missing). False when the file could not be written; it is
// then left as it was.
bool CrearMascarasConsultas();
