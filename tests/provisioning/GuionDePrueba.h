#pragma once
// Script runs on a real embedded database: the shared database object open
// on a fresh file, TEMP (where the error file goes) in the test's folder,
// a scripted operator, and the desktop's opener replaced by the stand-in
// that writes down what it was asked to open.
#include <string>
#include <vector>

#include "support/BaseDePrueba.h"
#include "support/VariableEntorno.h"

// The program's folder (gCarpetaAplicacion) pointed at `carpeta`, with the
// statistics schema script as delivered in it, for the object's lifetime.
class EsquemaJuntoAlPrograma {
 public:
  explicit EsquemaJuntoAlPrograma(const std::string& carpeta);
  ~EsquemaJuntoAlPrograma();
};

class ConGuionSqlite : public ConBaseSqlite {
 protected:
  // Writes the script's bytes into the test's folder; returns its path.
  std::string Guion(const std::string& bytes, const std::string& nombre = "guion.sql");
  // The script runner's error files in the temporary folder.
  std::vector<std::string> ArchivosDeErrores() const;
  // What the stand-in opener was asked to open, one path per line (waits
  // for it, as the opener runs apart).
  std::string Abiertos(size_t esperados) const;

  VariableEntorno path{"PATH", std::string(ABRIDOR_DE_PRUEBA) + ":/usr/bin:/bin"};
  VariableEntorno abiertos{"UT_VORNA_ABIERTOS", carpeta / "abiertos.txt"};
};

// The error files of a folder ("Script*.TXT").
std::vector<std::string> ArchivosDeErrores(const std::string& carpeta);
// "Script" + h + m + s + ".TXT" for some second from `antes` to `despues`.
bool NombreDeAlgunSegundo(const std::string& nombre, const FechaHora& antes, const FechaHora& despues);
