#pragma once
// Delivery of a finished data-set file into the destination folder.
//
// The file appears in the folder under its final name only complete: it
// is copied under a hidden temporary name inside the destination folder
// (".<final name>.<process>-<n>.parcial", which the platform's pattern
// 610013001-*.csv never matches), written to disk, and then renamed over
// the final name in one step, replacing an older file of that name. A
// failure at any point removes the partial copy and leaves an older file
// untouched; a process killed midway leaves at most the hidden partial
// copy, never a partial final file. The temporary file is kept.
#include <string>

#include "sivlib/ErrorSistema.h"

namespace vorna {

struct ResultadoEntrega {
  enum class Estado {
    Entregado,   // the final file is in the destination folder
    SinDestino,  // no destination folder given: nothing to deliver
    Fallido,     // not delivered; `error` says why
  };
  Estado estado = Estado::SinDestino;
  std::string destino;  // final path (empty when there is no folder)
  ErrorSistema error;

  bool Entregado() const { return estado == Estado::Entregado; }
};

// Delivers `archivoTemporal` as `carpetaDestino` (with its final separator
// added) + `nombreArchivo`. An empty folder text means no delivery; a text
// of blanks is a folder name like any other (and usually a missing one).
// The destination folder is not created. Never throws.
ResultadoEntrega EntregarArchivo(const std::string& archivoTemporal, const std::string& carpetaDestino,
                                 const std::string& nombreArchivo);

}  // namespace vorna
