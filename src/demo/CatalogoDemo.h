#pragma once
// Word lists from which the demo data of a food and beverage distributor
// is composed: people, businesses, streets, towns per province, products.
#include <string>
#include <vector>

namespace demo {

struct ProvinciaDemo {
  std::string codigo;  // the ERP's province code
  std::vector<std::string> localidades;
  std::string prefijoTelefono;
  int peso;  // share of the customers
};

const std::vector<std::string>& Nombres();
// Mail user of a name: lower-case ASCII letters and digits, accents dropped.
std::string UsuarioCorreo(const std::string& nombre);
const std::vector<std::string>& Apellidos();
const std::vector<std::string>& RubrosComercio();
const std::vector<std::string>& Calles();
// Names longer than the 50 characters the platform keeps.
const std::vector<std::string>& RazonesSocialesLargas();
const std::vector<std::string>& CallesLargas();
// Names with letters outside Windows-1252, written as "?" in the files.
const std::vector<std::string>& NombresFueraDeCodigo();
const std::vector<ProvinciaDemo>& Provincias();
const std::vector<std::string>& DominiosCorreo();
struct ProductoDemo {
  std::string nombre;
  std::vector<std::string> variantes;
  std::vector<std::string> presentaciones;
};
const std::vector<ProductoDemo>& Productos();
const std::vector<std::string>& Zonas();

}  // namespace demo
