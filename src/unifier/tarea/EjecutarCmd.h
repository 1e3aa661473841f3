#pragma once
// Runs a command file and waits for its end, letting window events run
// meanwhile (the wait has no time limit, as a person is watching).
#include <string>

// True when the file was started and observed to its end (its own exit
// status is not examined). False when it could not be started, with
// `ErrDevuelto` from the platform's failure codes: "Archivo no encontrado",
// "Carpeta no existe", "Acceso denegado", "Sin memoria", ... "Error desconocido".
bool EjecutarCmd(const std::string& Archivo, std::string& ErrDevuelto);

namespace tarea {

// The text for a failure code of the platform's program start.
std::string TextoErrorInicio(int codigo);

// How a command file ended.
struct ResultadoComando {
  bool terminado = false;  // started and observed to its end
  std::string error;       // why it could not be started (TextoErrorInicio)
  int estado = -1;         // its exit status (128 + the signal's number when a signal ended it)
  std::string salida;      // what it wrote on standard output and standard error
};

// Runs the command file through the shell, as EjecutarCmd does, keeping
// its exit status and its messages.
ResultadoComando EjecutarComando(const std::string& archivo);

}  // namespace tarea
