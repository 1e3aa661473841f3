#pragma once
// Writer of a data-set file: one line per record, the fields joined by
// ";" (no quoting, no escaping: inside a field a ";" becomes "," and CR,
// LF and TAB become a blank, so that an ERP text never adds a column or a
// line the platform's importer would misread), every line ended by CR LF, the text
// converted from UTF-8 to Windows-1252 (a character outside the code page
// becomes "?"). Lines are buffered and streamed; nothing of the data set
// is kept in memory.
//
// Each step reports its failure as an ErrorSistema (number 0 = done), so
// that the caller can hand it to its error dialog and repeat the step or
// go on, as the answer says. The file is closed when the object goes.
//
//   vorna::ArchivoLineas archivo;
//   ErrorSistema e = archivo.Crear(ruta);
//   e = archivo.EscribirLinea({"610013001", codigo, ...});
//   e = archivo.Cerrar();
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "sivlib/ErrorSistema.h"

namespace vorna {

// A field's text as it goes into a line: ";" -> ",", CR, LF, TAB -> " ".
std::string CampoDeLinea(std::string_view campo);
// The fields joined by ";" (UTF-8, without line end).
std::string UnirCampos(const std::vector<std::string>& campos);
// The bytes written for one line: Windows-1252 + CR LF.
std::string BytesLinea(std::string_view lineaUtf8);

class ArchivoLineas {
 public:
  ArchivoLineas() = default;
  ~ArchivoLineas();
  ArchivoLineas(const ArchivoLineas&) = delete;
  ArchivoLineas& operator=(const ArchivoLineas&) = delete;

  // Creates the file, or empties it when it exists. A file still open is
  // closed first.
  ErrorSistema Crear(const std::string& ruta);
  ErrorSistema EscribirLinea(const std::vector<std::string>& campos);
  // A line already joined (UTF-8, without its line end).
  ErrorSistema EscribirTextoLinea(std::string_view lineaUtf8);
  // Writes out what is buffered and closes. Closing a closed file does
  // nothing and succeeds.
  ErrorSistema Cerrar();

  bool Abierto() const { return archivo_ != nullptr; }
  const std::string& Ruta() const { return ruta_; }
  long Lineas() const { return lineas_; }

 private:
  std::FILE* archivo_ = nullptr;
  std::string ruta_;
  long lineas_ = 0;
};

}  // namespace vorna
