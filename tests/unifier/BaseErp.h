#pragma once
// Fixture of the export tests: a fresh SQLite file with the program's own
// tables and the ERP demo schema (tables, views and indexes, no rows), the
// shared database object open on it, TEMP and a destination folder inside
// the test's folder. Rows are inserted per test, so that each test shows
// the rule it is about.
#include <optional>
#include <string>
#include <vector>

#include "support/BaseDePrueba.h"
#include "support/RelojDePrueba.h"
#include "unifier/ResultadoArchivo.h"
#include "unifier/frmInterfaceVorna.h"

struct ClientePrueba {
  std::string codigo;
  std::string razon = "Almacen";
  std::string calle = "Belgrano";
  std::string numero = "100";
  std::string departamento = "";
  std::string localidad = "Salta";
  std::optional<std::string> provincia = "17";
  std::string mail = "";
  std::string telefono = "";
  std::string documento = "20-12345678-9";
  std::optional<std::string> iva = "1";
  int baja = 0;
  int bloqueo = 0;
  std::optional<std::string> vendedor = std::nullopt;
};

struct MovimientoPrueba {
  std::string tc = "FC";
  std::string comprobante = "A0001-00000001";
  std::string fecha = "2024-12-05 10:00:00";
  std::optional<std::string> cuenta = "C1";
  std::optional<std::string> vendedor = std::nullopt;
  std::string articulo = "A1";
  double cantidad = 1;
  double cantidadUD = -1;
  double importe = 100;
  double dtoItem = 0;
  int anulado = 0;
};

class ConBaseErp : public ConBaseSqlite {
 protected:
  void SetUp() override;

  void Articulo(const std::string& id, const std::string& cuenta, const std::string& codigoProveedor,
                std::optional<double> stock, const std::string& descripcion = "Articulo");
  void Vendedor(const std::string& id, const std::string& nombre);
  void Cliente(const ClientePrueba& c);
  void Comprobante(const std::string& tc, const std::string& comprobante, const std::string& fecha,
                   const std::string& cuenta, double descuento1 = 0, double descuento2 = 0, double descuento3 = 0,
                   double descuento4 = 0);
  void Movimiento(const MovimientoPrueba& m);
  void Frecuencia(const std::string& vendedor, const std::string& cliente, const std::string& frecuencia);
  void Configurar(const std::string& clave, const std::string& valor);
  // VALOR of a configuration key; nullopt when the key has no row.
  std::optional<std::string> Configuracion(const std::string& clave);

  // One data set through the window's generarArchivo, delivered into `destino`.
  vorna::ResultadoArchivo Generar(const std::string& codigo, const std::string& desde = "01/12/2024",
                                  const std::string& hasta = "08/12/2024 23:59:59", const std::string& paquete = "16");
  // The delivered file of a data set (in `destino` unless another folder is
  // given), as its lines (without CR LF); the
  // bytes must end in CR LF (an empty file has no line).
  std::vector<std::string> Lineas(const std::string& codigo, const std::string& paquete = "16",
                                  const std::string& carpetaArchivo = {});

  // "Today" stays the same day however long the test takes.
  RelojDePrueba reloj;
  std::string destino = carpeta / "destino/";
  frmInterfaceVorna ventana;
};

// Names of the files in a folder, sorted.
std::vector<std::string> Archivos(const std::string& carpeta);

// Today's local date as the files write it.
std::string HoyArchivo();
