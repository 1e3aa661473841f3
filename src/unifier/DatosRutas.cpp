// Routes ("RTA"): every active customer with its seller, the seller's name
// and the seller's visit frequency for that customer.
#include "unifier/ConjuntoDatos.h"
#include "unifier/ConstantesVorna.h"
#include "unifier/FiltroClientes.h"
#include "unifier/FormatoCampos.h"

namespace vorna {

std::string ConsultaRutas() {
  return " select CODIGO, RAZON_SOCIAL , a.IdVendedor, b.Nombre ,isnull(c.frecuencia,'0000000') as frecuencia from "
         "vt_clientes a\r\n"
         " left outer join V_TA_VENDEDORES b on\r\n"
         " a.IdVendedor = b.IdVendedor\r\n"
         " left outer join V_TA_FRECUENCIA_VDOR c\r\n"
         " on a.idvendedor = c.idvendedor and a.CODIGO = c.Cliente"
         " where a.Dada_De_Baja=0 and a.BLOQUEO=0";
}

namespace {

class Rutas : public ConjuntoDatos {
 public:
  explicit Rutas(std::string paquete) : paquete_(std::move(paquete)) {}

  std::string Consulta() const override { return ConsultaRutas(); }

  std::string Progreso(LectorFila& fila) const override {
    return "Generando RUTA | Cargando " + fila.Recortado("Codigo");
  }

  ErrorSistema Columnas(LectorFila& fila, std::vector<std::string>& c) override {
    c.clear();
    const std::string codigo = fila.Texto("Codigo");
    if (fila.Error().HayError()) return fila.Error();
    bool cliente = false;
    if (ErrorSistema e = clientes_.Existe(codigo, cliente); e.HayError()) return e;
    if (!cliente) return {};
    c = {std::string(kCodigoLinea),
         std::string(kColumnaFijaRuta),
         CodigoVorna(codigo),
         fila.Texto("frecuencia"),
         VendedorRuta(fila.Texto("IdVendedor")),
         TextoAjustado(fila.Texto("Nombre")),
         "1",
         "1",
         paquete_};
    if (fila.Error().HayError()) c.clear();
    return fila.Error();
  }

 private:
  std::string paquete_;
  FiltroClientes clientes_;
};

}  // namespace

std::unique_ptr<ConjuntoDatos> CrearRutas(const std::string& nroPaquete) { return std::make_unique<Rutas>(nroPaquete); }

}  // namespace vorna
