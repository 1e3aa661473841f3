// Customers, points of sale ("PDV"): every customer neither deregistered
// nor blocked, with its address, the platform's province and VAT codes and
// its document number without separators.
#include "services/FechaServidor.h"
#include "sivlib/Utiles.h"
#include "unifier/CodigosKivo.h"
#include "unifier/ConjuntoDatos.h"
#include "unifier/ConstantesVorna.h"
#include "unifier/FormatoCampos.h"

namespace vorna {

std::string ConsultaClientes() { return "SELECT * FROM VT_CLIENTES WHERE DADA_DE_BAJA=0 AND BLOQUEO=0"; }

namespace {

class Clientes : public ConjuntoDatos {
 public:
  explicit Clientes(std::string paquete) : paquete_(std::move(paquete)) {}

  std::string Consulta() const override { return ConsultaClientes(); }

  std::string Progreso(LectorFila& fila) const override {
    return "Generando CLIENTES | Cargando " + fila.Recortado("Codigo") + " " + fila.Recortado("razon_social");
  }

  ErrorSistema Columnas(LectorFila& fila, std::vector<std::string>& c) override {
    const std::string localidad = TextoAjustado(fila.Texto("Localidad"));
    c = {std::string(kCodigoLinea), CodigoVorna(fila.Texto("Codigo")),
         Recortar(fila.Texto("razon_social"), kLargoTexto), TextoAjustado(fila.Texto("calle")),
         fila.Recortado("Numero"), fila.Recortado("departamento"), localidad, localidad,
         ProvinciaSegunKIVO(fila.Recortado("provincia")), TextoAjustado(fila.Texto("mail")),
         TextoAjustado(fila.Texto("TELEFONO")), "", "", "", DocumentoSinSeparadores(fila.Texto("numero_documento")),
         CondIvaSegunKIVO(fila.Texto("iva")), "", "",
         // The server's clock at the moment the line is written.
         FechaArchivo(FechaServidor()), paquete_, MarcaBaja(fila.Texto("dada_de_baja"))};
    if (fila.Error().HayError()) c.clear();
    return fila.Error();
  }

 private:
  std::string paquete_;
};

}  // namespace

std::unique_ptr<ConjuntoDatos> CrearClientes(const std::string& nroPaquete) {
  return std::make_unique<Clientes>(nroPaquete);
}

}  // namespace vorna
