#pragma once
// A stand-in that applies SQL Server's rule without MARS to a real engine:
// one pending result per connection. A result is pending from the moment
// its statement runs until its reader has seen its end or let it go; any
// call that needs the connection meanwhile fails as FreeTDS fails it (SQL
// state HY000, "Connection is busy with results for another command") and
// is counted. It reports the limit as FreeTDS does, or, for a driver that
// does not tell, no limit at all.
#include <memory>
#include <string>
#include <vector>

#include "db/motor/DiagnosticosOdbc.h"
#include "db/motor/Motor.h"

class MotorUnaActividad : public Motor {
 public:
  struct Estado {
    const Cursor* pendiente = nullptr;
    int rechazos = 0;
  };

  explicit MotorUnaActividad(std::unique_ptr<Motor> real, bool informaLimite = true,
                             std::shared_ptr<Estado> estado = std::make_shared<Estado>())
      : real_(std::move(real)), informaLimite_(informaLimite), estado_(std::move(estado)) {}

  Resultado Abrir(const std::string& c, const std::string& u, const std::string& k) override {
    return real_->Abrir(c, u, k);
  }
  void Cerrar() override {
    estado_->pendiente = nullptr;
    real_->Cerrar();
  }
  bool Abierto() const override { return real_->Abierto(); }
  Resultado Ejecutar(const std::string& sql, std::unique_ptr<Cursor>* cursor, long* filas) override {
    if (Ocupada()) return Rechazo();
    Resultado r = real_->Ejecutar(sql, cursor, filas);
    if (cursor && *cursor) *cursor = std::make_unique<CursorPendiente>(std::move(*cursor), estado_);
    return r;
  }
  Resultado ComenzarTransaccion() override { return Ocupada() ? Rechazo() : real_->ComenzarTransaccion(); }
  Resultado ConfirmarTransaccion() override { return Ocupada() ? Rechazo() : real_->ConfirmarTransaccion(); }
  Resultado DeshacerTransaccion() override { return Ocupada() ? Rechazo() : real_->DeshacerTransaccion(); }
  Resultado Tablas(std::vector<std::string>& n) override { return Ocupada() ? Rechazo() : real_->Tablas(n); }
  Resultado Columnas(const std::string& c, const std::string& t, std::vector<std::string>& n) override {
    return Ocupada() ? Rechazo() : real_->Columnas(c, t, n);
  }
  Resultado FijarBaseDatos(const std::string& n) override { return Ocupada() ? Rechazo() : real_->FijarBaseDatos(n); }
  void FijarTiempoEspera(int s) override { real_->FijarTiempoEspera(s); }
  void FijarTiempoConexion(int s) override { real_->FijarTiempoConexion(s); }
  void FijarNivelAislamiento(int n) override {
    if (Ocupada()) Rechazo();
    real_->FijarNivelAislamiento(n);
  }
  int ResultadosActivosMaximos() const override { return informaLimite_ ? 1 : 0; }

 private:
  class CursorPendiente : public Cursor {
   public:
    CursorPendiente(std::unique_ptr<Cursor> real, std::shared_ptr<Estado> estado)
        : real_(std::move(real)), estado_(std::move(estado)) {
      estado_->pendiente = this;
    }
    ~CursorPendiente() override { Terminar(); }
    const std::vector<CampoInfo>& Campos() const override { return real_->Campos(); }
    bool Siguiente(Resultado& r) override {
      if (real_->Siguiente(r)) return true;
      Terminar();
      return false;
    }
    Variant Valor(size_t c) const override { return real_->Valor(c); }

   private:
    void Terminar() {
      if (estado_->pendiente == this) estado_->pendiente = nullptr;
    }
    std::unique_ptr<Cursor> real_;
    std::shared_ptr<Estado> estado_;
  };

  bool Ocupada() const { return estado_->pendiente != nullptr; }
  Resultado Rechazo() {
    ++estado_->rechazos;
    const std::string texto = "[FreeTDS][SQL Server]Connection is busy with results for another command";
    return ResultadoFallido(NumeroAdoDeEstado("HY000", texto), texto, "Microsoft OLE DB Provider for ODBC Drivers",
                            "HY000", 0);
  }

  std::unique_ptr<Motor> real_;
  bool informaLimite_;
  std::shared_ptr<Estado> estado_;
};
