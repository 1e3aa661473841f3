#pragma once
// The script runner's error file in the temporary folder: "Script" + hour
// + minute + second (of the run's start, decimal without leading zeros) +
// ".TXT". It is opened for appending, so it exists even when nothing is
// written and a file of the same name from an earlier run is extended.
// Each recorded error is a block of six CR LF lines in the ANSI code page.
// The batches it records may carry logins and passwords: it is private to
// its owner.
#include <cstdio>
#include <string>

#include "sivlib/ErrorSistema.h"
#include "sivlib/FechaHora.h"

// "Script957.TXT" at 09:05:07.
std::string NombreArchivoErrores(const FechaHora& inicio);

// The block of one error: asterisks; date " - " time; "  Error <native>
// <description>"; asterisks; the batch (ending in CR LF, so an empty line
// follows); asterisks.
std::string BloqueError(const FechaHora& momento, long nativo, const std::string& descripcion, const std::string& lote);

class ArchivoErroresGuion {
 public:
  ArchivoErroresGuion() = default;
  ArchivoErroresGuion(const ArchivoErroresGuion&) = delete;
  ArchivoErroresGuion& operator=(const ArchivoErroresGuion&) = delete;
  ~ArchivoErroresGuion() { Cerrar(); }

  ErrorSistema Abrir(const std::string& ruta);
  // Writes the text (UTF-8) in the ANSI code page. Nothing happens when the
  // file could not be opened.
  void Anotar(const std::string& texto);
  void Cerrar();

 private:
  std::FILE* f_ = nullptr;
};
