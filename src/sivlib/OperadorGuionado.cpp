#include "sivlib/OperadorGuionado.h"

std::vector<OperadorGuionado::Mostrado> OperadorGuionado::Mensajes() const {
  std::vector<Mostrado> r;
  for (const auto& m : mostrados_)
    if (m.clase == "Mensaje") r.push_back(m);
  return r;
}

std::string OperadorGuionado::Siguiente(const std::string& siVacio) {
  if (respuestas_.empty()) return siVacio;
  std::string r = std::move(respuestas_.front());
  respuestas_.pop_front();
  return r;
}

int OperadorGuionado::Mensaje(const std::string& texto, int estilo, const std::string& titulo) {
  const std::string r = Siguiente(std::to_string(RespuestaSinOperador(estilo)));
  int codigo = RespuestaSinOperador(estilo);
  try {
    codigo = std::stoi(r);
  } catch (...) {
  }
  mostrados_.push_back({"Mensaje", texto, titulo, estilo, std::to_string(codigo)});
  return codigo;
}

std::string OperadorGuionado::Entrada(const std::string& indicacion, const std::string& titulo, const std::string&) {
  std::string r = Siguiente("");
  mostrados_.push_back({"Entrada", indicacion, titulo, 0, r});
  return r;
}

std::string OperadorGuionado::ElegirCarpeta(const std::string& titulo, const std::string&) {
  std::string r = Siguiente("");
  mostrados_.push_back({"Carpeta", titulo, titulo, 0, r});
  return r;
}

std::string OperadorGuionado::ElegirFecha(const std::string& inicial) {
  std::string r = Siguiente("");
  mostrados_.push_back({"Fecha", inicial, "", 0, r});
  return r;
}

std::string OperadorGuionado::ElegirArchivo(const std::string& titulo, const std::string& filtro) {
  std::string r = Siguiente("");
  mostrados_.push_back({"Archivo", filtro, titulo, 0, r});
  return r;
}
