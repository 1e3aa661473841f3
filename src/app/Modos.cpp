#include "app/Modos.h"

#include <cstdio>

#include "app/EstadoSalida.h"
#include "app/IniciarSesion.h"
#include "sivlib/Operador.h"
#include "unifier/UnificacionDesatendida.h"

void Modos::AvisoSegundaInstancia(const std::string& mensaje, const std::string& titulo, int) {
  operador().Mensaje(mensaje, botones::OK, titulo);
}

int Modos::IniciarSesion(std::string& cadenaConexion) {
  if (::IniciarSesion(false, "", cadenaConexion, 3)) return estado_salida::Exito;
  // An operator has already seen the database layer's messages; a run
  // nobody watches records why it ended.
  if (!operador().Interactivo())
    operador().Mensaje("No se pudo abrir la conexion con la base de datos. El proceso termina.",
                       botones::OK | botones::Critico, "Aviso al operador");
  return estado_salida::SinConexion;
}

int Modos::EjecutarDesatendido() {
  static_assert(vorna::salida_desatendida::Exito == estado_salida::Exito &&
                vorna::salida_desatendida::FalloGeneracion == estado_salida::FalloGeneracion);
  return vorna::EjecutarUnificacionDesatendida();
}

int Modos::EjecutarInteractivo() {
  operador().Mensaje("La ventana principal todavia no esta disponible en esta version.", botones::OK,
                     "Aviso al operador");
  return estado_salida::SinVentana;
}
