#include "unifier/UnificacionDesatendida.h"

#include <exception>
#include <string>

#include "sivlib/Operador.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/frmInterfaceVorna.h"

namespace vorna {

int EjecutarUnificacionDesatendida() {
  gEjecucionDesatendida = true;
  std::string fallos;
  try {
    frmInterfaceVorna ventana;
    ventana.Form_Load();
    const ResultadoGeneracion r = ventana.ActualizarDatos();
    if (r.Exito()) return salida_desatendida::Exito;
    fallos = r.TextoFallos();
  } catch (const std::exception& e) {
    fallos = std::string("La generacion de archivos se interrumpio: ") + e.what();
  }
  operador().Mensaje(fallos, botones::OK + botones::Critico, "Aviso al operador");
  return salida_desatendida::FalloGeneracion;
}

}  // namespace vorna
