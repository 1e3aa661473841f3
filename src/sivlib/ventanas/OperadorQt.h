#pragma once
// The interactive operator: Qt dialogs.
#include "sivlib/Operador.h"

class OperadorQt : public Operador {
 public:
  int Mensaje(const std::string& texto, int estilo, const std::string& titulo) override;
  std::string Entrada(const std::string& indicacion, const std::string& titulo, const std::string& inicial) override;
  std::string ElegirCarpeta(const std::string& titulo, const std::string& inicial) override;
  std::string ElegirFecha(const std::string& inicial) override;
  std::string ElegirArchivo(const std::string& titulo, const std::string& filtro) override;
  void ProcesarEventos() override;
  void CursorOcupado(bool ocupado) override;
  bool Interactivo() const override { return true; }
};
