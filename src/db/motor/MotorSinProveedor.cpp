#include "db/motor/MotorSinProveedor.h"

namespace {

constexpr long kProveedorNoEncontrado = 3706;

class MotorSinProveedor : public Motor {
 public:
  explicit MotorSinProveedor(std::string proveedor) : proveedor_(std::move(proveedor)) {}
  Resultado Abrir(const std::string&, const std::string&, const std::string&) override { return Fallo(); }
  void Cerrar() override {}
  bool Abierto() const override { return false; }
  Resultado Ejecutar(const std::string&, std::unique_ptr<Cursor>* cursor, long* filas) override {
    if (cursor) cursor->reset();
    if (filas) *filas = -1;
    return ResultadoCerrado();
  }
  Resultado ComenzarTransaccion() override { return ResultadoCerrado(); }
  Resultado ConfirmarTransaccion() override { return ResultadoCerrado(); }
  Resultado DeshacerTransaccion() override { return ResultadoCerrado(); }
  Resultado Tablas(std::vector<std::string>& n) override { return n.clear(), ResultadoCerrado(); }
  Resultado Columnas(const std::string&, const std::string&, std::vector<std::string>& n) override {
    return n.clear(), ResultadoCerrado();
  }
  Resultado FijarBaseDatos(const std::string&) override { return ResultadoCerrado(); }
  void FijarTiempoEspera(int) override {}
  void FijarTiempoConexion(int) override {}
  void FijarNivelAislamiento(int) override {}

 private:
  Resultado Fallo() const {
    return ResultadoFallido(kProveedorNoEncontrado,
                            "Provider cannot be found. It may not be properly installed. (" + proveedor_ + ")",
                            "ADODB.Connection");
  }
  std::string proveedor_;
};

}  // namespace

std::unique_ptr<Motor> CrearMotorSinProveedor(const std::string& proveedor) {
  return std::make_unique<MotorSinProveedor>(proveedor);
}
