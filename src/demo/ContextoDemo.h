#pragma once
// State shared by the steps of the demo generator: the open database, the
// parameters, the random source, and the master data the vouchers refer to.
#include <optional>
#include <string>
#include <vector>

#include "demo/Aleatorio.h"
#include "demo/GeneradorDemo.h"

struct sqlite3;

namespace demo {

struct ArticuloDemo {
  std::string id;
  double precio = 0;  // without VAT
  double costo = 0;
  double alicuota = 21;
  std::string moneda;
  double cotizacion = 1;
};

struct ClienteDemo {
  std::string codigo;
  std::string iva;
  std::optional<std::string> vendedor;
};

struct ContextoDemo {
  ContextoDemo(sqlite3* base, const ParametrosDemo& p) : db(base), parametros(p), azar(p.semilla) {}

  sqlite3* db;
  const ParametrosDemo& parametros;
  Aleatorio azar;
  ResumenDemo resumen;

  std::vector<ArticuloDemo> articulos;
  std::vector<size_t> articulosProveedor;  // indexes of the supplier's articles
  std::vector<size_t> articulosOtros;
  std::vector<ClienteDemo> clientes;
  std::vector<std::string> vendedores;  // stored codes ("  12")
};

// Each step fills its tables; false with a message on the first failure.
bool PoblarVendedores(ContextoDemo& c, std::string& error);
bool PoblarArticulos(ContextoDemo& c, std::string& error);
bool PoblarClientes(ContextoDemo& c, std::string& error);
bool PoblarComprobantes(ContextoDemo& c, std::string& error);
bool PoblarConfiguracion(ContextoDemo& c, std::string& error);
// Barcodes and the insertable article view of the registration window.
bool PrepararAltaArticulos(ContextoDemo& c, std::string& error);

// Amounts are kept to cents, as the ERP stores them.
double Centavos(double valor);

}  // namespace demo
