#include "app/Modos.h"

#include <cstdio>

#include "app/EstadoSalida.h"
#include "app/IniciarSesion.h"
#include "services/Configuracion.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"
#include "unifier/ClavesVorna.h"
#include "unifier/UnificacionDesatendida.h"

void Modos::AvisoSegundaInstancia(const std::string& mensaje, const std::string& titulo, int) {
  operador().Mensaje(mensaje, botones::OK, titulo);
}

namespace {

// What the launch string lacks for a run that cannot ask for it (the
// login window needs an operator); empty when nothing is missing.
std::string DatoFaltante() {
  const ValoresLanzamiento& v = UltimoLanzamiento();
  if (texto::Recortado(v.servidor).empty()) return "falta el servidor (@Server) en la cadena de lanzamiento";
  if (texto::Recortado(v.usuario).empty())
    return "falta el usuario de la base de datos (@Usuario) en la cadena de lanzamiento";
  return "";
}

}  // namespace

int Modos::IniciarSesion(std::string& cadenaConexion) {
  if (::IniciarSesion(false, "", cadenaConexion, 3)) return estado_salida::Exito;
  // An operator has already seen the database layer's messages; a run
  // nobody watches records why it ended.
  if (!operador().Interactivo()) {
    const std::string falta = DatoFaltante();
    operador().Mensaje("No se pudo abrir la conexion con la base de datos" + (falta.empty() ? "" : ": " + falta) +
                           ". El proceso termina.",
                       botones::OK | botones::Critico, "Aviso al operador");
  }
  return estado_salida::SinConexion;
}

int Modos::EjecutarDesatendido() {
  static_assert(vorna::salida_desatendida::Exito == estado_salida::Exito &&
                vorna::salida_desatendida::FalloGeneracion == estado_salida::FalloGeneracion);
  // The run delivers into the folder stored for this machine; without that
  // setting it has nowhere to go, and the log must say which setting is
  // missing (a missing key reads as one blank, no folder anyone chose).
  const std::string clave = vorna::ClaveCarpetaDestino();
  if (Cfg(clave) == " ") {
    operador().Mensaje("No se generaron archivos: falta la carpeta destino de este equipo, la clave " + clave +
                           " no existe en la configuracion. Elijala en la ventana principal y pulse "
                           "\"Configurar  Tarea\".",
                       botones::OK | botones::Critico, "Aviso al operador");
    return estado_salida::FalloGeneracion;
  }
  return vorna::EjecutarUnificacionDesatendida();
}

int Modos::EjecutarInteractivo() {
  operador().Mensaje("La ventana principal todavia no esta disponible en esta version.", botones::OK,
                     "Aviso al operador");
  return estado_salida::SinVentana;
}
