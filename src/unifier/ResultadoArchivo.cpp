#include "unifier/ResultadoArchivo.h"

#include "unifier/ClavesVorna.h"

namespace vorna {

std::string ResultadoArchivo::Motivo() const {
  switch (estado) {
    case Estado::Entregado:
      if (ignorados == 0) return "";
      return "entregado incompleto: se omitieron " + std::to_string(ignorados) + " error(es) (" + error.descripcion +
             ")";
    case Estado::SinDestino: return "no hay carpeta destino; el archivo quedo solo en " + temporal;
    case Estado::Fallido: break;
  }
  const std::string motivo = "no se entrego (" + error.descripcion + ")";
  return escrito ? motivo + "; el archivo quedo en " + temporal : motivo;
}

bool ResultadoGeneracion::Exito() const {
  if (fechaInvalida || !rechazo.empty() || paqueteNoGuardado.HayError()) return false;
  for (const auto& a : archivos)
    if (!a.Exito()) return false;
  return true;
}

std::string ResultadoGeneracion::TextoFallos() const {
  if (fechaInvalida) return "No se generaron archivos: la fecha del rango no es valida.";
  if (!rechazo.empty()) return "No se generaron archivos: " + rechazo;
  std::string fallos;
  for (const auto& a : archivos) {
    if (a.Exito()) continue;
    if (!fallos.empty()) fallos += "; ";
    fallos += a.codigo + ": " + a.Motivo();
  }
  std::string texto;
  if (!fallos.empty()) texto = "Paquete " + nroPaquete + ", archivos con fallas: " + fallos + ".";
  if (paqueteNoGuardado.HayError()) {
    if (!texto.empty()) texto += " ";
    texto += "El numero de paquete " + nroPaquete + " no quedo guardado en " + std::string(kClavePaquete) + " (" +
             paqueteNoGuardado.descripcion + ").";
  }
  return texto;
}

}  // namespace vorna
