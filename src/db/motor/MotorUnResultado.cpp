#include "db/motor/MotorUnResultado.h"

#include "db/motor/AjustesResultados.h"
#include "db/motor/CursorAnticipado.h"
#include "db/motor/TurnoConexion.h"

namespace {

class MotorUnResultado : public Motor {
 public:
  explicit MotorUnResultado(std::unique_ptr<Motor> motor) : motor_(std::move(motor)) {}

  Resultado Abrir(const std::string& cadena, const std::string& usuario, const std::string& clave) override {
    Olvidar();
    Resultado r = motor_->Abrir(cadena, usuario, clave);
    if (r.Ok()) maximo_ = UnResultadoForzado() ? 1 : motor_->ResultadosActivosMaximos();
    return r;
  }

  void Cerrar() override {
    Olvidar();
    motor_->Cerrar();
  }

  bool Abierto() const override { return motor_->Abierto(); }

  Resultado Ejecutar(const std::string& sql, std::unique_ptr<Cursor>* cursor, long* filasAfectadas) override {
    Liberar();
    Resultado r = motor_->Ejecutar(sql, cursor, filasAfectadas);
    if (maximo_ > 0 && cursor && *cursor)
      *cursor = std::make_unique<CursorAnticipado>(std::move(*cursor), turno_, TamanosActuales());
    return r;
  }

  Resultado ComenzarTransaccion() override {
    Liberar();
    return motor_->ComenzarTransaccion();
  }
  Resultado ConfirmarTransaccion() override {
    Liberar();
    return motor_->ConfirmarTransaccion();
  }
  Resultado DeshacerTransaccion() override {
    Liberar();
    return motor_->DeshacerTransaccion();
  }
  Resultado Tablas(std::vector<std::string>& nombres) override {
    Liberar();
    return motor_->Tablas(nombres);
  }
  Resultado Columnas(const std::string& catalogo, const std::string& tabla,
                     std::vector<std::string>& nombres) override {
    Liberar();
    return motor_->Columnas(catalogo, tabla, nombres);
  }
  Resultado FijarBaseDatos(const std::string& nombre) override {
    Liberar();
    return motor_->FijarBaseDatos(nombre);
  }
  void FijarTiempoEspera(int segundos) override { motor_->FijarTiempoEspera(segundos); }
  void FijarTiempoConexion(int segundos) override { motor_->FijarTiempoConexion(segundos); }
  void FijarNivelAislamiento(int nivelAdo) override {
    Liberar();  // a connection attribute: the driver sends it to the server
    motor_->FijarNivelAislamiento(nivelAdo);
  }
  int ResultadosActivosMaximos() const override { return maximo_; }

 private:
  void Liberar() {
    if (maximo_ > 0) turno_->Liberar(size_t(maximo_));
  }
  // Cursors of an earlier connection keep their own turn; they no longer
  // stand in the way of this one.
  void Olvidar() {
    turno_ = std::make_shared<TurnoConexion>();
    maximo_ = 0;
  }

  std::unique_ptr<Motor> motor_;
  std::shared_ptr<TurnoConexion> turno_ = std::make_shared<TurnoConexion>();
  int maximo_ = 0;
};

}  // namespace

std::unique_ptr<Motor> ConUnResultado(std::unique_ptr<Motor> motor) {
  if (!motor) return motor;
  return std::make_unique<MotorUnResultado>(std::move(motor));
}
