#include "unifier/ResultadoArchivo.h"

namespace vorna {

std::string ResultadoArchivo::Motivo() const {
  switch (estado) {
    case Estado::Entregado:
      if (ignorados == 0) return "";
      return "entregado incompleto: se omitieron " + std::to_string(ignorados) + " error(es) (" + error.descripcion + ")";
    case Estado::SinDestino:
      return "no hay carpeta destino; el archivo quedo solo en " + temporal;
    case Estado::Fallido:
      break;
  }
  return "no se entrego (" + error.descripcion + ")";
}

bool ResultadoGeneracion::Exito() const {
  if (fechaInvalida) return false;
  for (const auto& a : archivos)
    if (!a.Exito()) return false;
  return true;
}

std::string ResultadoGeneracion::TextoFallos() const {
  if (fechaInvalida) return "No se generaron archivos: la fecha del rango no es valida.";
  std::string fallos;
  for (const auto& a : archivos) {
    if (a.Exito()) continue;
    if (!fallos.empty()) fallos += "; ";
    fallos += a.codigo + ": " + a.Motivo();
  }
  if (fallos.empty()) return "";
  return "Paquete " + nroPaquete + ", archivos con fallas: " + fallos + ".";
}

}  // namespace vorna
