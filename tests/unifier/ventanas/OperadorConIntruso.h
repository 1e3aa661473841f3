#pragma once
// An operator whose "let events run" delivers, once, what the test wants to
// happen while the row loop of a generation run is writing.
#include <functional>
#include <utility>

#include "sivlib/OperadorGuionado.h"

class OperadorConIntruso : public OperadorGuionado {
 public:
  std::function<void()> intruso;
  void ProcesarEventos() override {
    OperadorGuionado::ProcesarEventos();
    if (auto f = std::exchange(intruso, nullptr)) f();
  }
};
