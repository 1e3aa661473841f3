#include "provisioning/LotesGuion.h"

#include "provisioning/GuardiaEliminacion.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

namespace {

// The UTF-8 byte-order mark as the ANSI code page shows it.
constexpr std::string_view kMarcaOrden = "\xC3\xAF\xC2\xBB\xC2\xBF";

}  // namespace

LecturaGuion LeerLotes(const std::vector<std::string>& lineas, GuardiaEliminacion& guardia) {
  LecturaGuion lectura;
  for (std::string linea : lineas) {
    std::string recortada = texto::Recortado(linea);
    if (recortada.starts_with(kMarcaOrden)) {
      linea = recortada.substr(kMarcaOrden.size());
      recortada = texto::Recortado(linea);
    }
    if (!recortada.starts_with("--")) {
      if (!guardia.Permite(linea)) {
        lectura.rechazada = true;
        return lectura;
      }
      if (recortada == "GO" || recortada == "/") lectura.lotes.emplace_back();
      else if (!recortada.empty()) lectura.lotes.back() += linea + "\r\n";
    }
    operador().ProcesarEventos();
  }
  return lectura;
}
