// Sales ("VTA"): the stock movements of the sales voucher types in the
// date range, of the supplier's articles, one line per movement of a known
// customer.
#include "unifier/ConjuntoDatos.h"
#include "unifier/ConstantesVorna.h"
#include "unifier/FiltroClientes.h"
#include "unifier/FormatoCampos.h"

namespace vorna {

std::string ConsultaVentas(const std::string& desde, const std::string& hasta) {
  const std::string cuenta(kCuentaProveedor);
  // Each line of the query is followed by CR LF.
  const std::string lineas[] = {
      " SELECT      dbo.V_MV_Stock.TC + DBO.V_MV_Stock.IDCOMPROBANTE AS TRANSACCION, dbo.V_MV_Stock.SECUENCIA , "
      "dbo.V_MV_Stock.CuentaProveedor AS cuenta, ISNULL(dbo.V_MV_Cpte.FECHA, dbo.V_MV_Stock.FECHA) AS Fecha,  "
      "dbo.V_MV_Stock.IDVENDEDOR,",
      " V_TA_VENDEDORES.Nombre , CASE WHEN V_MV_Stock.CantidadUD > 0 THEN 'DEV' ELSE 'VEN' END AS TipoVenta   ,  "
      "dbo.V_MV_Stock.IDArticulo, dbo.v_ma_articulos.CodigoArtProveedor ,",
      " dbo.V_MV_Stock.CantidadUD AS Consumo,",
      " (dbo.V_MV_Stock.IMPORTE_S_IVA * dbo.V_MV_Stock.Cantidad) - (dbo.V_MV_Stock.IMPORTE_S_IVA * "
      "ISNULL(dbo.V_MV_Cpte.PorcDescuento1, 0)",
      " / 100 * dbo.V_MV_Stock.Cantidad) - (dbo.V_MV_Stock.IMPORTE_S_IVA * ISNULL(dbo.V_MV_Cpte.PorcDescuento2, 0) "
      "/ 100 * dbo.V_MV_Stock.Cantidad)",
      " - (dbo.V_MV_Stock.IMPORTE_S_IVA * ISNULL(dbo.V_MV_Cpte.PorcDescuento3, 0) / 100 * dbo.V_MV_Stock.Cantidad)",
      " - (dbo.V_MV_Stock.IMPORTE_S_IVA * ISNULL(dbo.V_MV_Cpte.PorcDescuento4, 0) / 100 * dbo.V_MV_Stock.Cantidad)",
      " - (dbo.V_MV_Stock.IMPORTE_S_IVA * dbo.V_MV_Stock.DtoItem / 100 * dbo.V_MV_Stock.Cantidad) AS ValorVenta, "
      "dbo.V_MV_Stock.Costo * dbo.V_MV_Stock.Cantidad AS ValorCosto,",
      " dbo.V_MV_Stock.ArtMoneda , dbo.V_MV_Stock.ArtCotizacion, dbo.V_MV_Stock.IVARI, dbo.V_MV_Stock.DtoItem, "
      "dbo.v_ma_articulos.CuentaProveedor",
      " FROM         dbo.V_MV_Stock LEFT OUTER JOIN",
      " dbo.V_MV_Cpte ON dbo.V_MV_Stock.TC = dbo.V_MV_Cpte.TC AND dbo.V_MV_Stock.IDCOMPROBANTE = "
      "dbo.V_MV_Cpte.IDCOMPROBANTE",
      " left outer join",
      " dbo.V_MA_ARTICULOS on dbo.V_MV_Stock.IDArticulo = dbo.v_ma_articulos.IDARTICULO",
      " LEFT OUTER JOIN V_TA_VENDEDORES ON",
      " V_MV_Stock.IdVendedor = V_TA_VENDEDORES.IdVendedor",
      " WHERE     (dbo.V_MV_Stock.Anulado = 0) AND (dbo.V_MV_Stock.TC IN (N'TK', N'TKFC', N'FC', N'ND', N'NC', "
      "N'NCFP', N'FP')) ",
      " AND (dbo.V_MV_Stock.FECHA>='" + desde + "' AND dbo.V_MV_Stock.FECHA<='" + hasta + "') ",
      " AND dbo.v_ma_articulos.CUENTAPROVEEDOR = '" + cuenta + "'",
      " order by Fecha,secuencia",
  };
  std::string s;
  for (const std::string& linea : lineas) s += linea + "\r\n";
  return s;
}

namespace {

class Ventas : public ConjuntoDatos {
 public:
  Ventas(std::string desde, std::string hasta, std::string paquete)
      : desde_(std::move(desde)), hasta_(std::move(hasta)), paquete_(std::move(paquete)) {}

  std::string Consulta() const override { return ConsultaVentas(desde_, hasta_); }

  std::string Progreso(LectorFila& fila) const override {
    return "Generando VENTAS | Cargando " + fila.Valor("TRANSACCION").Texto();
  }

  ErrorSistema Columnas(LectorFila& fila, std::vector<std::string>& c) override {
    c.clear();
    const std::string cuenta = fila.Texto("Cuenta");
    if (fila.Error().HayError()) return fila.Error();
    bool cliente = false;
    if (ErrorSistema e = clientes_.Existe(cuenta, cliente); e.HayError()) return e;
    if (!cliente) return {};
    c = {std::string(kCodigoLinea),
         TransaccionVorna(fila.Texto("TRANSACCION")),
         TextoNumero(fila.TextoNumerico("Secuencia")),
         "",
         CodigoVorna(cuenta),
         FechaArchivo(fila.Valor("Fecha")),
         fila.Recortado("IdVendedor"),
         TextoAjustado(fila.Texto("Nombre")),
         fila.Recortado("TIPOVENTA"),
         fila.Recortado("codigoartproveedor"),
         fila.Recortado("IdArticulo"),
         TextoMonedaSinSigno(fila.TextoNumerico("consumo")),
         TextoMonedaSinSigno(fila.TextoNumerico("Valorventa")),
         "",
         "",
         "",
         "",
         "",
         paquete_};
    if (fila.Error().HayError()) c.clear();
    return fila.Error();
  }

 private:
  std::string desde_, hasta_, paquete_;
  FiltroClientes clientes_;
};

}  // namespace

std::unique_ptr<ConjuntoDatos> CrearVentas(const std::string& desde, const std::string& hasta,
                                           const std::string& nroPaquete) {
  return std::make_unique<Ventas>(desde, hasta, nroPaquete);
}

}  // namespace vorna
