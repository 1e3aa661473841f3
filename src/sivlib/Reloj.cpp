#include "sivlib/Reloj.h"

#include <ctime>

namespace {

class RelojSistema : public Reloj {
 public:
  Instante Monotono() const override { return std::chrono::steady_clock::now(); }
  FechaHora Local() const override {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    FechaHora f;
    f.anio = tm.tm_year + 1900;
    f.mes = tm.tm_mon + 1;
    f.dia = tm.tm_mday;
    f.hora = tm.tm_hour;
    f.minuto = tm.tm_min;
    f.segundo = tm.tm_sec;
    return f;
  }
};

std::shared_ptr<Reloj>& Actual() {
  static std::shared_ptr<Reloj> r = std::make_shared<RelojSistema>();
  return r;
}

}  // namespace

Reloj& reloj() { return *Actual(); }

void FijarReloj(std::shared_ptr<Reloj> nuevo) {
  Actual() = nuevo ? std::move(nuevo) : std::make_shared<RelojSistema>();
}
