#pragma once
// The interactive operator: Qt dialogs.
#include <chrono>
#include <optional>

#include "sivlib/Operador.h"
#include "sivlib/Reloj.h"

class OperadorQt : public Operador {
 public:
  int Mensaje(const std::string& texto, int estilo, const std::string& titulo) override;
  std::string Entrada(const std::string& indicacion, const std::string& titulo, const std::string& inicial) override;
  std::string ElegirCarpeta(const std::string& titulo, const std::string& inicial) override;
  std::string ElegirFecha(const std::string& inicial) override;
  std::string ElegirArchivo(const std::string& titulo, const std::string& filtro) override;
  // Lets pending events run, at most once per IntervaloEventos(): long
  // loops call this once per row, and processing events (with the repaint
  // of a progress label changed on every row) costs more than a row does.
  // Between two rounds a call is one clock reading; the window still
  // answers within the interval, and a label changed row after row is
  // repainted only at those rounds, with its latest text. The first call
  // always runs a round, however the clock reads.
  void ProcesarEventos() override;
  void CursorOcupado(bool ocupado) override;
  bool Interactivo() const override { return true; }

  static constexpr std::chrono::milliseconds kIntervaloEventos{40};
  std::chrono::milliseconds IntervaloEventos() const { return intervalo_; }
  // 0 processes events at every call (for measuring what the pacing saves).
  void FijarIntervaloEventos(std::chrono::milliseconds intervalo) { intervalo_ = intervalo; }

 private:
  std::chrono::milliseconds intervalo_ = kIntervaloEventos;
  std::optional<Reloj::Instante> ultimaRonda_;
};
