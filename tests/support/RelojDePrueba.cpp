#include "support/RelojDePrueba.h"

class RelojManual : public Reloj {
 public:
  explicit RelojManual(const FechaHora& local) : local_(local) {}
  Instante Monotono() const override { return monotono_; }
  FechaHora Local() const override {
    const auto segundos = std::chrono::duration_cast<std::chrono::seconds>(avance_).count();
    return FechaHora::DesdeSerial(local_.Serial() + double(segundos) / 86400.0);
  }
  void Avanzar(std::chrono::milliseconds cuanto) {
    monotono_ += cuanto;
    avance_ += cuanto;
  }
  void FijarLocal(const FechaHora& local) {
    local_ = local;
    avance_ = {};
  }

 private:
  Instante monotono_{};
  FechaHora local_;
  std::chrono::milliseconds avance_{};  // since local_ was set
};

RelojDePrueba::RelojDePrueba(const FechaHora& local) : reloj_(std::make_shared<RelojManual>(local)) {
  FijarReloj(reloj_);
}

RelojDePrueba::~RelojDePrueba() { FijarReloj(nullptr); }

void RelojDePrueba::Avanzar(std::chrono::milliseconds cuanto) { reloj_->Avanzar(cuanto); }
void RelojDePrueba::FijarLocal(const FechaHora& local) { reloj_->FijarLocal(local); }
FechaHora RelojDePrueba::Local() const { return reloj_->Local(); }
Reloj::Instante RelojDePrueba::Monotono() const { return reloj_->Monotono(); }

FechaHora RelojDePrueba::Inicio() {
  FechaHora f;
  f.anio = 2026;
  f.mes = 3;
  f.dia = 15;
  f.hora = 10;
  f.minuto = 30;
  return f;
}
