// Stock ("STK"): the supplier's articles without negative stock, one line
// each, dated with the computer's date.
#include "unifier/ConjuntoDatos.h"
#include "unifier/ConstantesVorna.h"
#include "unifier/FormatoCampos.h"

namespace vorna {

std::string ConsultaStock() {
  return "SELECT * FROM STK_MA_ARTICULOS WHERE CUENTAPROVEEDOR = '" + std::string(kCuentaProveedor) + "' AND STOCK>=0";
}

namespace {

class Stock : public ConjuntoDatos {
 public:
  explicit Stock(std::string paquete) : paquete_(std::move(paquete)) {}

  std::string Consulta() const override { return ConsultaStock(); }

  std::string Progreso(LectorFila& fila) const override {
    return "Generando STOCK | Cargando " + fila.Recortado("IdArticulo") + " " + fila.Recortado("Descripcion");
  }

  ErrorSistema Columnas(LectorFila& fila, std::vector<std::string>& c) override {
    c = {std::string(kCodigoLinea), fila.Recortado("codigoartproveedor"), TextoMoneda(fila.TextoNumerico("Stock")),
         FechaArchivo(FechaHora::Ahora()), paquete_};
    if (fila.Error().HayError()) c.clear();
    return fila.Error();
  }

 private:
  std::string paquete_;
};

}  // namespace

std::unique_ptr<ConjuntoDatos> CrearStock(const std::string& nroPaquete) { return std::make_unique<Stock>(nroPaquete); }

}  // namespace vorna
