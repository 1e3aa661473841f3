#pragma once
// A clock that moves only when the test moves it, installed as the
// program's clock for the lifetime of the object (the system's comes back
// afterwards). Its monotonic reading starts at the clock's epoch, as on a
// machine just booted; its local time at a fixed date and hour, so that
// "today" is the same however long the test takes and whenever it runs.
#include <chrono>
#include <memory>

#include "sivlib/Reloj.h"

class RelojManual;

class RelojDePrueba {
 public:
  explicit RelojDePrueba(const FechaHora& local = Inicio());
  ~RelojDePrueba();
  RelojDePrueba(const RelojDePrueba&) = delete;
  RelojDePrueba& operator=(const RelojDePrueba&) = delete;

  // Moves both readings forward.
  void Avanzar(std::chrono::milliseconds cuanto);
  void FijarLocal(const FechaHora& local);
  FechaHora Local() const;
  Reloj::Instante Monotono() const;

  // 15/03/2026 10:30:00.
  static FechaHora Inicio();

 private:
  std::shared_ptr<RelojManual> reloj_;
};
