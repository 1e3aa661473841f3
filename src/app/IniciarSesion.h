#pragma once
// The start-up sequence: turns a bare process into a configured run.
#include <string>

// Connection values taken from the launch string, before they reach the
// database layer.
struct ValoresLanzamiento {
  std::string servidor, baseDatos, usuario, clave;
};

// Runs the start-up sequence. `textoLanzamiento` empty means the process's
// own command-line tail (given by FijarLineaComandos).
void IniciarSesion(bool usarArchivoConexion, const std::string& textoLanzamiento, std::string& cadenaConexion,
                   int ubicacionCursor);

// The command-line tail (everything after the program name, joined by blanks).
void FijarLineaComandos(const std::string& cola);
const std::string& LineaComandos();

// The connection values of the last launch string read.
const ValoresLanzamiento& UltimoLanzamiento();
