#pragma once
// What became of one data-set file, and of a whole generation run, for
// the callers: the window shows it, the unattended run turns it into the
// process exit status.
#include <string>
#include <vector>

#include "sivlib/ErrorSistema.h"

namespace vorna {

struct ResultadoArchivo {
  enum class Estado {
    Entregado,   // the file is in the destination folder under its final name
    SinDestino,  // no destination folder: the file exists only as the temporary file
    Fallido,     // not delivered: the operator left at a failure, or the delivery failed
  };
  std::string codigo;  // "VTA", "STK", "PDV", "RTA"
  Estado estado = Estado::Fallido;
  long lineas = 0;       // lines written
  int ignorados = 0;     // failures the operator chose to go past (lines or steps lost)
  std::string temporal;  // the temporary file (its own for each data set)
  bool escrito = false;  // the temporary file was written whole and closed
  std::string destino;   // the delivered file (empty when none)
  ErrorSistema error;    // the last failure shown to the operator

  // Delivered whole: no failure was gone past.
  bool Exito() const { return estado == Estado::Entregado && ignorados == 0; }
  // What went wrong, in the operator's words (empty on success).
  std::string Motivo() const;
};

struct ResultadoGeneracion {
  std::string nroPaquete;
  bool fechaInvalida = false;  // the run stopped at the date check
  // Why the run stopped before writing or numbering anything (the date,
  // the destination folder, the stored package number); empty when it ran.
  std::string rechazo;
  std::vector<ResultadoArchivo> archivos;  // in the order they were written
  // The package counter could not be stored after the files were written:
  // the next run would take the same number and replace these files.
  ErrorSistema paqueteNoGuardado;

  // Every chosen file delivered whole and the package number stored
  // (nothing chosen is no failure).
  bool Exito() const;
  // One line naming each data set that failed and why (empty on success).
  std::string TextoFallos() const;
};

}  // namespace vorna
