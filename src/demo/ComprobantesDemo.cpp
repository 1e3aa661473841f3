// Vouchers (headers in MV_CPTE) and their lines (movements in MV_STOCK)
// over the days up to today.
#include <algorithm>
#include <cstdio>
#include <map>

#include "demo/ContextoDemo.h"
#include "demo/SentenciaSqlite.h"

namespace demo {
namespace {

struct TipoComprobante {
  const char* tc;
  int peso;
  int signo;  // -1 units leave the stock, +1 they come in, 0 either way
};

// The voucher types the sales file reads; credit notes bring units back.
const std::vector<TipoComprobante> kTiposVenta = {{"FC", 40, -1}, {"TK", 12, -1}, {"TKFC", 10, -1}, {"FP", 12, -1},
                                                  {"ND", 3, -1},  {"NC", 15, +1}, {"NCFP", 8, +1}};
// Other movements of the stock: delivery notes, purchases, adjustments.
const std::vector<TipoComprobante> kOtrosTipos = {{"RE", 40, -1}, {"CO", 40, +1}, {"AJ", 20, 0}};

// Account of the anonymous final consumer of tickets: not a customer.
const std::string kConsumidorFinal = "11299999999";
// An account that was deleted from the customers.
const std::string kCuentaBorrada = "11201999999";
const std::vector<std::string> kCuentasCompra = {"21101010029", "21101010003", "21101010011"};

std::vector<int> Pesos(const std::vector<TipoComprobante>& tipos) {
  std::vector<int> p;
  for (const auto& t : tipos) p.push_back(t.peso);
  return p;
}

bool EsProforma(const std::string& tc) { return tc == "FP" || tc == "NCFP"; }

class Comprobantes {
 public:
  explicit Comprobantes(ContextoDemo& c)
      : c_(c),
        cabecera_(c.db,
                  "INSERT INTO MV_CPTE (TC,IDCOMPROBANTE,FECHA,Cuenta,IdVendedor,PorcDescuento1,"
                  "PorcDescuento2,PorcDescuento3,PorcDescuento4,Anulado) VALUES (?,?,?,?,?,?,?,?,?,?)"),
        movimiento_(c.db,
                    "INSERT INTO MV_STOCK (SECUENCIA,TC,IDCOMPROBANTE,FECHA,CuentaProveedor,IDVENDEDOR,"
                    "IDArticulo,Cantidad,CantidadUD,IMPORTE_S_IVA,DtoItem,Costo,ArtMoneda,ArtCotizacion,"
                    "IVARI,Anulado) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)") {}

  bool Generar(std::string& error) {
    const ParametrosDemo& p = c_.parametros;
    const long porDia = p.lineas / p.dias;
    const long sobrante = p.lineas % p.dias;
    for (int d = 0; d < p.dias; ++d) {
      const FechaHora dia = p.hoy.MasDias(d - (p.dias - 1));
      fecha_ = dia.Formato("yyyy-mm-dd 00:00:00");
      const long cupo = porDia + (d < sobrante ? 1 : 0);
      for (long quedan = cupo; quedan > 0;) quedan -= Venta(quedan);
      for (long quedan = cupo * 8 / 100; quedan > 0;) quedan -= OtroMovimiento(quedan);
    }
    if (!cabecera_.Ok()) error = cabecera_.Error();
    else if (!movimiento_.Ok()) error = movimiento_.Error();
    return error.empty();
  }

 private:
  // One sales voucher of at most `maximo` lines; returns its lines.
  long Venta(long maximo) {
    auto& azar = c_.azar;
    const TipoComprobante& tipo = kTiposVenta[azar.Ponderado(pesosVenta_)];
    const std::string tc = tipo.tc;
    const ClienteDemo& cliente = c_.clientes[static_cast<size_t>(azar.Entero(0, long(c_.clientes.size()) - 1))];
    std::string cuenta = cliente.codigo;
    if (tc == "TK" && azar.Con(0.5)) cuenta = kConsumidorFinal;
    else if (azar.Con(0.01)) cuenta = kCuentaBorrada;
    std::optional<std::string> vendedor = cliente.vendedor;
    if (!vendedor || azar.Con(0.1)) vendedor = azar.Elegir(c_.vendedores);
    if (azar.Con(0.03)) vendedor.reset();

    const char letra = EsProforma(tc) ? 'X' : (tc == "TK" || cliente.iva != "1") ? 'B' : 'A';
    const std::string numero = Numero(tc, letra, tc == "TK" || tc == "TKFC" ? 2 : 1);
    const bool anulado = azar.Con(0.02);
    // Point-of-sale tickets sometimes arrive without their header.
    const bool sinCabecera = tc == "TK" && azar.Con(0.1);
    if (!sinCabecera) Cabecera(tc, numero, cuenta, vendedor, anulado, /*conDescuentos=*/true);

    const long lineas = std::min<long>(maximo, azar.Entero(1, 8));
    for (long l = 0; l < lineas; ++l) {
      const bool delProveedor = azar.Con(0.5);
      const auto& lista = delProveedor ? c_.articulosProveedor : c_.articulosOtros;
      Linea(tc, numero, cuenta, vendedor, c_.articulos[azar.Elegir(lista)], tipo.signo, anulado);
    }
    c_.resumen.lineasVenta += lineas;
    return lineas;
  }

  long OtroMovimiento(long maximo) {
    auto& azar = c_.azar;
    const TipoComprobante& tipo = kOtrosTipos[azar.Ponderado(pesosOtros_)];
    const std::string tc = tipo.tc;
    std::optional<std::string> cuenta;
    if (tc == "CO") cuenta = azar.Elegir(kCuentasCompra);
    else if (tc == "RE") cuenta = c_.clientes[static_cast<size_t>(azar.Entero(0, long(c_.clientes.size()) - 1))].codigo;
    const std::string numero = Numero(tc, tc == "CO" ? 'A' : 'R', 1);
    Cabecera(tc, numero, cuenta, std::nullopt, false, false);
    const long lineas = std::min<long>(maximo, azar.Entero(1, 10));
    for (long l = 0; l < lineas; ++l) {
      const int signo = tipo.signo ? tipo.signo : (azar.Con(0.5) ? 1 : -1);
      Linea(tc, numero, cuenta, std::nullopt,
            c_.articulos[static_cast<size_t>(azar.Entero(0, long(c_.articulos.size()) - 1))], signo, false);
    }
    c_.resumen.otrosMovimientos += lineas;
    return lineas;
  }

  // Next voucher number of the type, letter and point of sale: "A0001-00012345".
  std::string Numero(const std::string& tc, char letra, int puntoVenta) {
    long& ultimo = numeracion_[tc + letra + std::to_string(puntoVenta)];
    if (ultimo == 0) ultimo = 1000 + static_cast<long>(c_.azar.Entero(0, 30000));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%c%04d-%08ld", letra, puntoVenta, ++ultimo);
    return buf;
  }

  void Cabecera(const std::string& tc, const std::string& numero, const std::optional<std::string>& cuenta,
                const std::optional<std::string>& vendedor, bool anulado, bool conDescuentos) {
    auto& azar = c_.azar;
    // Header discounts: mostly none (null or 0), now and then up to four.
    std::optional<double> d[4];
    if (conDescuentos && azar.Con(0.25)) {
      static const std::vector<double> porcentajes = {2, 3, 5, 10, 2.5};
      d[0] = azar.Elegir(porcentajes);
      if (azar.Con(0.3)) d[1] = azar.Elegir(porcentajes);
      if (azar.Con(0.1)) d[2] = 1;
      if (azar.Con(0.05)) d[3] = 0.5;
    } else if (azar.Con(0.5)) {
      d[0] = 0;
    }
    cabecera_.Texto(tc)
        .Texto(numero)
        .Texto(fecha_)
        .TextoONulo(cuenta)
        .TextoONulo(vendedor)
        .RealONulo(d[0])
        .RealONulo(d[1])
        .RealONulo(d[2])
        .RealONulo(d[3])
        .Entero(anulado ? 1 : 0);
    cabecera_.Ejecutar();
    ++c_.resumen.comprobantes;
  }

  void Linea(const std::string& tc, const std::string& numero, const std::optional<std::string>& cuenta,
             const std::optional<std::string>& vendedor, const ArticuloDemo& a, int signo, bool anulado) {
    auto& azar = c_.azar;
    const double cantidad = azar.Con(0.05) ? 0.5 * double(azar.Entero(1, 10)) : double(azar.Entero(1, 24));
    const double precio = Centavos(a.precio * (0.97 + azar.Real() * 0.06));
    static const std::vector<double> descuentos = {5, 10, 2.5, 15};
    const double dtoItem = azar.Con(0.15) ? azar.Elegir(descuentos) : 0;
    const double iva = Centavos(precio * cantidad * (1 - dtoItem / 100) * a.alicuota / 100);
    movimiento_.Entero(++secuencia_)
        .Texto(tc)
        .Texto(numero)
        .Texto(fecha_)
        .TextoONulo(cuenta)
        .TextoONulo(vendedor)
        .Texto(a.id)
        .Real(cantidad)
        .Real(signo * cantidad)
        .Real(precio)
        .Real(dtoItem)
        .Real(a.costo)
        .Texto(a.moneda)
        .Real(a.cotizacion)
        .Real(iva)
        .Entero(anulado ? 1 : 0);
    movimiento_.Ejecutar();
  }

  ContextoDemo& c_;
  SentenciaSqlite cabecera_;
  SentenciaSqlite movimiento_;
  std::string fecha_;
  long long secuencia_ = 0;
  std::map<std::string, long> numeracion_;
  const std::vector<int> pesosVenta_ = Pesos(kTiposVenta);
  const std::vector<int> pesosOtros_ = Pesos(kOtrosTipos);
};

}  // namespace

bool PoblarComprobantes(ContextoDemo& c, std::string& error) { return Comprobantes(c).Generar(error); }

}  // namespace demo
