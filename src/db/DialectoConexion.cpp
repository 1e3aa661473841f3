#include "db/DialectoConexion.h"

#include "db/motor/CadenaConexion.h"
#include "db/motor/EleccionMotor.h"
#include "sivlib/Texto.h"

namespace {

// The driver's own name: a driver given by its library path counts by the
// file's name, not by the folders it sits in.
std::string NombreControlador(const std::string& controlador) {
  const size_t barra = controlador.find_last_of("/\\");
  return barra == std::string::npos ? controlador : controlador.substr(barra + 1);
}

}  // namespace

bool EsProveedorOracle(const std::string& proveedor) {
  return ElegirMotor("Provider=" + texto::Recortado(proveedor) + ";") == TipoMotor::OdbcOracle;
}

bool EsDialectoOracle(const std::string& cadenaConexion) {
  switch (ElegirMotor(cadenaConexion)) {
    case TipoMotor::OdbcOracle: return true;
    case TipoMotor::OdbcDirecto:
      return texto::ContieneSinCaso(NombreControlador(CadenaConexion(cadenaConexion).Valor({"DRIVER"})), "oracle");
    default: return false;
  }
}
