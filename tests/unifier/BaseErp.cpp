#include "BaseErp.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "support/CarpetaPrueba.h"
#include "unifier/FormatoCampos.h"
#include "demo/GuionesErpDemo.h"

namespace {

std::string Q(const std::string& s) {
  std::string r = "'";
  for (char c : s) r += c == '\'' ? std::string("''") : std::string(1, c);
  return r + "'";
}

std::string Q(const std::optional<std::string>& s) { return s ? Q(*s) : "NULL"; }

std::string N(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

}  // namespace

std::string HoyArchivo() { return vorna::FechaArchivo(FechaHora::Ahora()); }

void ConBaseErp::SetUp() {
  ConBaseSqlite::SetUp();
  Ejecutar(std::string(GuionEsquemaErpDemo()));
  Ejecutar(std::string(GuionIndicesErpDemo()));
  std::filesystem::create_directories(destino);
  ventana.Ventana().FijarTexto(ventana.TxtFields(3), destino);
}

void ConBaseErp::Articulo(const std::string& id, const std::string& cuenta, const std::string& codigoProveedor,
                          std::optional<double> stock, const std::string& descripcion) {
  Ejecutar("INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, CuentaProveedor, CodigoArtProveedor) VALUES (" + Q(id) +
           "," + Q(descripcion) + "," + Q(cuenta) + "," + Q(codigoProveedor) + ")");
  if (stock) Ejecutar("INSERT INTO STK_SALDOS (IdArticulo, Stock) VALUES (" + Q(id) + "," + N(*stock) + ")");
}

void ConBaseErp::Vendedor(const std::string& id, const std::string& nombre) {
  Ejecutar("INSERT INTO TA_VENDEDORES (IdVendedor, Nombre) VALUES (" + Q(id) + "," + Q(nombre) + ")");
}

void ConBaseErp::Cliente(const ClientePrueba& c) {
  Ejecutar(
      "INSERT INTO MA_CLIENTES (Codigo, razon_social, calle, Numero, departamento, Localidad, provincia, mail, "
      "TELEFONO, numero_documento, iva, dada_de_baja, BLOQUEO, IdVendedor) VALUES (" +
      Q(c.codigo) + "," + Q(c.razon) + "," + Q(c.calle) + "," + Q(c.numero) + "," + Q(c.departamento) + "," +
      Q(c.localidad) + "," + Q(c.provincia) + "," + Q(c.mail) + "," + Q(c.telefono) + "," + Q(c.documento) + "," +
      Q(c.iva) + "," + std::to_string(c.baja) + "," + std::to_string(c.bloqueo) + "," + Q(c.vendedor) + ")");
}

void ConBaseErp::Comprobante(const std::string& tc, const std::string& comprobante, const std::string& fecha,
                             const std::string& cuenta, double d1, double d2, double d3, double d4) {
  Ejecutar(
      "INSERT INTO MV_CPTE (TC, IDCOMPROBANTE, FECHA, Cuenta, PorcDescuento1, PorcDescuento2, PorcDescuento3, "
      "PorcDescuento4) VALUES (" +
      Q(tc) + "," + Q(comprobante) + "," + Q(fecha) + "," + Q(cuenta) + "," + N(d1) + "," + N(d2) + "," + N(d3) + "," +
      N(d4) + ")");
}

void ConBaseErp::Movimiento(const MovimientoPrueba& m) {
  Ejecutar(
      "INSERT INTO MV_STOCK (TC, IDCOMPROBANTE, FECHA, CuentaProveedor, IDVENDEDOR, IDArticulo, Cantidad, "
      "CantidadUD, IMPORTE_S_IVA, DtoItem, Anulado) VALUES (" +
      Q(m.tc) + "," + Q(m.comprobante) + "," + Q(m.fecha) + "," + Q(m.cuenta) + "," + Q(m.vendedor) + "," +
      Q(m.articulo) + "," + N(m.cantidad) + "," + N(m.cantidadUD) + "," + N(m.importe) + "," + N(m.dtoItem) + "," +
      std::to_string(m.anulado) + ")");
}

void ConBaseErp::Frecuencia(const std::string& vendedor, const std::string& cliente, const std::string& frecuencia) {
  Ejecutar("INSERT INTO TA_FRECUENCIA_VDOR (IdVendedor, Cliente, Frecuencia) VALUES (" + Q(vendedor) + "," +
           Q(cliente) + "," + Q(frecuencia) + ")");
}

void ConBaseErp::Configurar(const std::string& clave, const std::string& valor) {
  Ejecutar("DELETE FROM TA_CONFIGURACION WHERE CLAVE = " + Q(clave));
  Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, GRUPO, POLITICANEGOCIO) VALUES (" + Q(clave) + "," + Q(valor) +
           ",'DATOS',0)");
}

std::optional<std::string> ConBaseErp::Configuracion(const std::string& clave) {
  const Filas f = Consultar("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = " + Q(clave));
  if (f.empty()) return std::nullopt;
  return f[0][0];
}

vorna::ResultadoArchivo ConBaseErp::Generar(const std::string& codigo, const std::string& desde,
                                            const std::string& hasta, const std::string& paquete) {
  ventana.NroPaquete = paquete;
  return ventana.generarArchivo(codigo, desde, hasta);
}

std::vector<std::string> ConBaseErp::Lineas(const std::string& codigo, const std::string& paquete,
                                            const std::string& carpetaArchivo) {
  const std::string ruta =
      (carpetaArchivo.empty() ? destino : carpetaArchivo) + "610013001-" + codigo + "-" + paquete + ".csv";
  EXPECT_TRUE(Existe(ruta)) << ruta;
  const std::string bytes = LeerArchivo(ruta);
  std::vector<std::string> lineas;
  size_t inicio = 0;
  while (inicio < bytes.size()) {
    const size_t fin = bytes.find("\r\n", inicio);
    if (fin == std::string::npos) {
      ADD_FAILURE() << "the file does not end in CR LF: " << ruta;
      lineas.push_back(bytes.substr(inicio));
      break;
    }
    lineas.push_back(bytes.substr(inicio, fin - inicio));
    inicio = fin + 2;
  }
  return lineas;
}

std::vector<std::string> Archivos(const std::string& carpeta) {
  std::vector<std::string> r;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(carpeta, ec)) r.push_back(e.path().filename().string());
  std::sort(r.begin(), r.end());
  return r;
}
