#pragma once
// The file machinery shared by the four data sets: the rows stream from a
// forward-only, read-only cursor into a temporary file named after the
// moment and the data set ("DDMMYYYYHHMMSS-VTA.TMP" in the temporary
// folder), one line per row the data set keeps, with the progress label
// updated and the pending window events run after each row; the finished
// file is then delivered into the destination folder as
// 610013001-<code>-<package>.csv, whole or not at all (EntregaArchivo.h).
// The temporary file is kept.
//
// Every failure (query, field, file, delivery) goes to one dialog:
// Restablecer, then MostrarError with the routine "ActualizarDatos";
// Retry (4) runs the failing step again, Ignore (5) goes on with the next
// step (a line that failed is not written), any other answer ends the file
// at once and nothing is delivered. A run nobody watches answers Abort.
#include <functional>
#include <string>

#include "unifier/ConjuntoDatos.h"
#include "unifier/ResultadoArchivo.h"

namespace vorna {

struct ParametrosArchivo {
  std::string codigo;  // data-set code, as it goes into the file name
  std::string nroPaquete;
  // The folder box's text, read when the written file is to be delivered
  // (window events run while the rows are written, so the box may have
  // changed since the start): empty means no delivery.
  std::function<std::string()> carpetaDestino;
  // Receives each progress text (the window's lblInfo).
  std::function<void(const std::string&)> progreso;
};

ResultadoArchivo GenerarArchivoDatos(ConjuntoDatos& datos, const ParametrosArchivo& p);

}  // namespace vorna
