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
    return Cerrado();
  }
  Resultado ComenzarTransaccion() override { return Cerrado(); }
  Resultado ConfirmarTransaccion() override { return Cerrado(); }
  Resultado DeshacerTransaccion() override { return Cerrado(); }
  Resultado Tablas(std::vector<std::string>& n) override { return n.clear(), Cerrado(); }
  Resultado Columnas(const std::string&, const std::string&, std::vector<std::string>& n) override {
    return n.clear(), Cerrado();
  }
  Resultado FijarBaseDatos(const std::string&) override { return Cerrado(); }
  void FijarTiempoEspera(int) override {}
  void FijarTiempoConexion(int) override {}
  void FijarNivelAislamiento(int) override {}

 private:
  Resultado Fallo() const {
    Resultado r;
    r.numero = kProveedorNoEncontrado;
    r.descripcion = "Provider cannot be found. It may not be properly installed. (" + proveedor_ + ")";
    r.origen = "ADODB.Connection";
    return r;
  }
  static Resultado Cerrado() {
    Resultado r;
    r.numero = ado::ObjetoCerrado;
    r.descripcion = "Operation is not allowed when the object is closed.";
    r.origen = "ADODB.Connection";
    return r;
  }
  std::string proveedor_;
};

}  // namespace

std::unique_ptr<Motor> CrearMotorSinProveedor(const std::string& proveedor) {
  return std::make_unique<MotorSinProveedor>(proveedor);
}
