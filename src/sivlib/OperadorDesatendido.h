#pragma once
// The operator of a run nobody watches (scheduled, under cron, or without a
// display): every message goes to standard error and to the error log, and
// is answered at once as RespuestaSinOperador says. Input boxes, choosers
// and pickers answer "cancelled". It never blocks.
#include <functional>
#include <string>

#include "sivlib/Operador.h"

class OperadorDesatendido : public Operador {
 public:
  // `rutaLog` gives the log file at the time of each message; empty path
  // (or no function) writes standard error only.
  explicit OperadorDesatendido(std::function<std::string()> rutaLog = {});
  int Mensaje(const std::string& texto, int estilo, const std::string& titulo) override;
  std::string Entrada(const std::string& indicacion, const std::string& titulo, const std::string& inicial) override;
  std::string ElegirCarpeta(const std::string& titulo, const std::string& inicial) override;
  std::string ElegirFecha(const std::string& inicial) override;
  std::string ElegirArchivo(const std::string& titulo, const std::string& filtro) override;
  void ProcesarEventos() override {}

 private:
  void Informar(const std::string& que, const std::string& titulo, const std::string& texto, int respuesta);
  std::function<std::string()> rutaLog_;
};
