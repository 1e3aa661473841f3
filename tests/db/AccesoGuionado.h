#pragma once
// A login window scripted by a test: each showing takes the next prepared
// answer (accept with changes, or cancel) and records what it was shown.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "db/VentanaAcceso.h"

class AccesoGuionado : public VentanaAcceso {
 public:
  // Accepts after letting `cambiar` edit the boxes.
  void Aceptar(std::function<void(DatosAcceso&)> cambiar = {}) { guion_.push_back({true, std::move(cambiar)}); }
  void Cancelar() { guion_.push_back({false, {}}); }
  const std::vector<DatosAcceso>& Mostrados() const { return mostrados_; }

  bool Mostrar(DatosAcceso& datos) override {
    mostrados_.push_back(datos);
    if (guion_.empty()) return false;
    auto [aceptar, cambiar] = std::move(guion_.front());
    guion_.pop_front();
    if (aceptar && cambiar) cambiar(datos);
    return aceptar;
  }

 private:
  std::deque<std::pair<bool, std::function<void(DatosAcceso&)>>> guion_;
  std::vector<DatosAcceso> mostrados_;
};

// Installs a scripted login for the lifetime of the object.
class LoginDePrueba {
 public:
  LoginDePrueba() : login_(std::make_shared<AccesoGuionado>()) { FijarVentanaAcceso(login_); }
  ~LoginDePrueba() { FijarVentanaAcceso(nullptr); }
  AccesoGuionado* operator->() { return login_.get(); }

 private:
  std::shared_ptr<AccesoGuionado> login_;
};
