#pragma once
// One data set of the export ("VTA", "STK", "PDV", "RTA"): its query, the
// progress text of each row and the row rules that turn a row into zero or
// one line. The file machinery (GeneracionArchivo.h) is the same for all.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sivlib/ErrorSistema.h"
#include "unifier/LectorFila.h"

namespace vorna {

class ConjuntoDatos {
 public:
  virtual ~ConjuntoDatos() = default;
  // The statement that yields the rows (SQL Server dialect).
  virtual std::string Consulta() const = 0;
  // The progress label while the current row is handled.
  virtual std::string Progreso(LectorFila& fila) const = 0;
  // The line's columns, or none when the row writes nothing. A field the
  // row lacks or a lookup that failed comes back as the failure.
  virtual ErrorSistema Columnas(LectorFila& fila, std::vector<std::string>& columnas) = 0;
};

// The data set of a code (ignoring case); null for any other code. The
// date range serves only the sales; `nroPaquete` is the last column of
// every line.
std::unique_ptr<ConjuntoDatos> CrearConjuntoDatos(std::string_view codigo, const std::string& desde,
                                                  const std::string& hasta, const std::string& nroPaquete);

// The four queries, as they are sent.
std::string ConsultaVentas(const std::string& desde, const std::string& hasta);
std::string ConsultaStock();
std::string ConsultaClientes();
std::string ConsultaRutas();

// Each data set on its own.
std::unique_ptr<ConjuntoDatos> CrearVentas(const std::string& desde, const std::string& hasta,
                                           const std::string& nroPaquete);
std::unique_ptr<ConjuntoDatos> CrearStock(const std::string& nroPaquete);
std::unique_ptr<ConjuntoDatos> CrearClientes(const std::string& nroPaquete);
std::unique_ptr<ConjuntoDatos> CrearRutas(const std::string& nroPaquete);

}  // namespace vorna
