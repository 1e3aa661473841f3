#pragma once
// The start-up sequence: turns a bare process into a configured run. It
// reads the launch string and the workstation's preferences, opens the
// main database (asking the operator for the connection data when server
// or user is missing), opens the statistics database beside it, prepares
// the lookup service, loads the system flags and writes the access-log row.
#include <string>

// Connection values taken from the launch string, before they reach the
// database layer.
struct ValoresLanzamiento {
  std::string servidor, baseDatos, usuario, clave;
};

// Runs the start-up sequence. `textoLanzamiento` empty means the process's
// own command-line tail (given by FijarLineaComandos); a blank one with
// `usarArchivoConexion` is built from the settings file. `cadenaConexion`
// may be filled by the Oracle marker; `ubicacionCursor` (3, client side)
// goes to the database layer. With the main connection already open only
// the lookup set-up, the flags and the access log run again.
// Returns false when the main connection is not open afterwards: the run
// must end then (the database layer has shown its own messages).
bool IniciarSesion(bool usarArchivoConexion, const std::string& textoLanzamiento, std::string& cadenaConexion,
                   int ubicacionCursor);

// The command-line tail (everything after the program name, joined by blanks).
void FijarLineaComandos(const std::string& cola);
const std::string& LineaComandos();

// The connection values of the last launch string read.
const ValoresLanzamiento& UltimoLanzamiento();
