#include "sivlib/OperadorDesatendido.h"

#include <cstdio>

#include "sivlib/RegistroErrores.h"

OperadorDesatendido::OperadorDesatendido(std::function<std::string()> rutaLog) : rutaLog_(std::move(rutaLog)) {}

void OperadorDesatendido::Informar(const std::string& que, const std::string& titulo, const std::string& texto,
                                   int codigo) {
  // One line per message, on the terminal as in the log.
  const std::string cuerpo = registro::EnUnaLinea(titulo.empty() ? texto : titulo + ": " + texto);
  std::fprintf(stderr, "ut_vorna: %s%s\n", que.empty() ? "" : (que + ": ").c_str(), cuerpo.c_str());
  std::fflush(stderr);
  if (!rutaLog_) return;
  const std::string ruta = rutaLog_();
  if (ruta.empty()) return;
  registro::Anexar(ruta, registro::Linea(FechaHora::Ahora(), "Desatendido", cuerpo, codigo));
}

int OperadorDesatendido::Mensaje(const std::string& texto, int estilo, const std::string& titulo) {
  const int r = RespuestaSinOperador(estilo);
  Informar("", titulo, texto, r);
  return r;
}

std::string OperadorDesatendido::Entrada(const std::string& indicacion, const std::string& titulo, const std::string&) {
  Informar("sin respuesta", titulo, indicacion, respuesta::Cancelar);
  return "";
}

std::string OperadorDesatendido::ElegirCarpeta(const std::string& titulo, const std::string&) {
  Informar("sin respuesta", titulo, "elegir carpeta", respuesta::Cancelar);
  return "";
}

std::string OperadorDesatendido::ElegirFecha(const std::string&) {
  Informar("sin respuesta", "", "elegir fecha", respuesta::Cancelar);
  return "";
}

std::string OperadorDesatendido::ElegirArchivo(const std::string& titulo, const std::string&) {
  Informar("sin respuesta", titulo, "elegir archivo", respuesta::Cancelar);
  return "";
}
