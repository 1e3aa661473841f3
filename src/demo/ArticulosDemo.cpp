// Articles of the supplier and of other suppliers, with their stock.
#include <cmath>
#include <cstdio>

#include "unifier/ConstantesVorna.h"
#include "demo/CatalogoDemo.h"
#include "demo/ContextoDemo.h"
#include "demo/SentenciaSqlite.h"

namespace demo {
namespace {

// Other suppliers of the distributor.
const std::vector<std::string> kOtrasCuentas = {"21101010003", "21101010011", "21101010047", "21101010052"};

// Share of the supplier's articles: enough for every kind of stock case.
bool EsDelProveedor(long i) { return i % 5 < 2; }

std::string Texto(const char* formato, long n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, formato, n);
  return buf;
}

}  // namespace

double Centavos(double valor) { return std::round(valor * 100.0) / 100.0; }

bool PoblarArticulos(ContextoDemo& c, std::string& error) {
  SentenciaSqlite articulo(c.db,
                           "INSERT INTO MA_ARTICULOS (IdArticulo,Descripcion,CuentaProveedor,CodigoArtProveedor,"
                           "IdFamilia,Moneda,PrecioVenta,Costo,AlicuotaIva) VALUES (?,?,?,?,?,?,?,?,?)");
  SentenciaSqlite saldo(c.db, "INSERT INTO STK_SALDOS (IdArticulo,Stock,FechaActualizacion) VALUES (?,?,?)");
  const std::string actualizado = c.parametros.hoy.Formato("yyyy-mm-dd 00:00:00");
  auto& azar = c.azar;
  for (long i = 0; i < c.parametros.articulos; ++i) {
    ArticuloDemo a;
    a.id = Texto("%07ld", 10000 + i * 7);
    const bool proveedor = EsDelProveedor(i);
    const ProductoDemo& producto = azar.Elegir(Productos());
    const std::string descripcion =
        producto.nombre + " " + azar.Elegir(producto.variantes) + " " + azar.Elegir(producto.presentaciones);
    a.precio = Centavos(150 + azar.Real() * 9000);
    a.costo = Centavos(a.precio * (0.6 + azar.Real() * 0.15));
    a.alicuota = azar.Con(0.2) ? 10.5 : 21;
    // A few imported articles are priced in dollars.
    const bool enDolares = i % 41 == 13;
    a.moneda = enDolares ? "DOL" : "PES";
    a.cotizacion = enDolares ? 985.5 : 1;
    if (enDolares) {
      a.precio = Centavos(a.precio / 900);
      a.costo = Centavos(a.costo / 900);
    }

    std::optional<std::string> cuenta = proveedor ? std::string(vorna::kCuentaProveedor) : azar.Elegir(kOtrasCuentas);
    std::optional<std::string> codigoProveedor;
    if (proveedor) codigoProveedor = Texto("VL-%05ld", 1000 + i);
    else if (azar.Con(0.6)) codigoProveedor = Texto("P%06ld", 300000 + i * 3);
    if (!proveedor && i % 29 == 11) cuenta.reset();  // an article without supplier
    articulo.Texto(a.id)
        .Texto(descripcion)
        .TextoONulo(cuenta)
        .TextoONulo(codigoProveedor)
        .Texto(Texto("%04ld", 1 + i % 12))
        .Texto(a.moneda)
        .Real(a.precio)
        .Real(a.costo)
        .Real(a.alicuota);
    articulo.Ejecutar();

    // Stock cases: zero, negative (left out of the stock file), fractional,
    // and now and then no stock record at all.
    if (i % 50 != 17) {
      double stock = static_cast<double>(azar.Entero(1, 800));
      if (i % 17 == 4) stock = 0;
      else if (i % 19 == 6) stock = -static_cast<double>(azar.Entero(1, 30));
      else if (i % 23 == 8) stock += 0.5;
      saldo.Texto(a.id).Real(stock).Texto(actualizado);
      saldo.Ejecutar();
    }

    (proveedor ? c.articulosProveedor : c.articulosOtros).push_back(c.articulos.size());
    c.articulos.push_back(std::move(a));
  }
  c.resumen.articulos = c.parametros.articulos;
  if (!articulo.Ok()) error = articulo.Error();
  else if (!saldo.Ok()) error = saldo.Error();
  return error.empty();
}

}  // namespace demo
