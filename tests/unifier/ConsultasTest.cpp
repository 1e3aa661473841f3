// The four queries, character by character as the database receives them.
#include <gtest/gtest.h>

#include "unifier/ConjuntoDatos.h"

namespace {

TEST(ConsultasVorna, VentasLineaPorLineaConCrLfYLasFechasComoSeRecibieron) {
  const std::string esperada =
      " SELECT      dbo.V_MV_Stock.TC + DBO.V_MV_Stock.IDCOMPROBANTE AS TRANSACCION, dbo.V_MV_Stock.SECUENCIA , dbo.V_MV_Stock.CuentaProveedor AS cuenta, ISNULL(dbo.V_MV_Cpte.FECHA, dbo.V_MV_Stock.FECHA) AS Fecha,  dbo.V_MV_Stock.IDVENDEDOR,\r\n"
      " V_TA_VENDEDORES.Nombre , CASE WHEN V_MV_Stock.CantidadUD > 0 THEN 'DEV' ELSE 'VEN' END AS TipoVenta   ,  dbo.V_MV_Stock.IDArticulo, dbo.v_ma_articulos.CodigoArtProveedor ,\r\n"
      " dbo.V_MV_Stock.CantidadUD AS Consumo,\r\n"
      " (dbo.V_MV_Stock.IMPORTE_S_IVA * dbo.V_MV_Stock.Cantidad) - (dbo.V_MV_Stock.IMPORTE_S_IVA * ISNULL(dbo.V_MV_Cpte.PorcDescuento1, 0)\r\n"
      " / 100 * dbo.V_MV_Stock.Cantidad) - (dbo.V_MV_Stock.IMPORTE_S_IVA * ISNULL(dbo.V_MV_Cpte.PorcDescuento2, 0) / 100 * dbo.V_MV_Stock.Cantidad)\r\n"
      " - (dbo.V_MV_Stock.IMPORTE_S_IVA * ISNULL(dbo.V_MV_Cpte.PorcDescuento3, 0) / 100 * dbo.V_MV_Stock.Cantidad)\r\n"
      " - (dbo.V_MV_Stock.IMPORTE_S_IVA * ISNULL(dbo.V_MV_Cpte.PorcDescuento4, 0) / 100 * dbo.V_MV_Stock.Cantidad)\r\n"
      " - (dbo.V_MV_Stock.IMPORTE_S_IVA * dbo.V_MV_Stock.DtoItem / 100 * dbo.V_MV_Stock.Cantidad) AS ValorVenta, dbo.V_MV_Stock.Costo * dbo.V_MV_Stock.Cantidad AS ValorCosto,\r\n"
      " dbo.V_MV_Stock.ArtMoneda , dbo.V_MV_Stock.ArtCotizacion, dbo.V_MV_Stock.IVARI, dbo.V_MV_Stock.DtoItem, dbo.v_ma_articulos.CuentaProveedor\r\n"
      " FROM         dbo.V_MV_Stock LEFT OUTER JOIN\r\n"
      " dbo.V_MV_Cpte ON dbo.V_MV_Stock.TC = dbo.V_MV_Cpte.TC AND dbo.V_MV_Stock.IDCOMPROBANTE = dbo.V_MV_Cpte.IDCOMPROBANTE\r\n"
      " left outer join\r\n"
      " dbo.V_MA_ARTICULOS on dbo.V_MV_Stock.IDArticulo = dbo.v_ma_articulos.IDARTICULO\r\n"
      " LEFT OUTER JOIN V_TA_VENDEDORES ON\r\n"
      " V_MV_Stock.IdVendedor = V_TA_VENDEDORES.IdVendedor\r\n"
      " WHERE     (dbo.V_MV_Stock.Anulado = 0) AND (dbo.V_MV_Stock.TC IN (N'TK', N'TKFC', N'FC', N'ND', N'NC', N'NCFP', N'FP')) \r\n"
      " AND (dbo.V_MV_Stock.FECHA>='01/12/2024' AND dbo.V_MV_Stock.FECHA<='08/12/2024 15:30:12') \r\n"
      " AND dbo.v_ma_articulos.CUENTAPROVEEDOR = '21101010029'\r\n"
      " order by Fecha,secuencia\r\n";
  EXPECT_EQ(vorna::ConsultaVentas("01/12/2024", "08/12/2024 15:30:12"), esperada);
}

TEST(ConsultasVorna, StockClientesYRutas) {
  EXPECT_EQ(vorna::ConsultaStock(),
            "SELECT * FROM STK_MA_ARTICULOS WHERE CUENTAPROVEEDOR = '21101010029' AND STOCK>=0");
  EXPECT_EQ(vorna::ConsultaClientes(), "SELECT * FROM VT_CLIENTES WHERE DADA_DE_BAJA=0 AND BLOQUEO=0");
  // The first four pieces end in CR LF, the last two do not.
  EXPECT_EQ(
      vorna::ConsultaRutas(),
      " select CODIGO, RAZON_SOCIAL , a.IdVendedor, b.Nombre ,isnull(c.frecuencia,'0000000') as frecuencia from vt_clientes a\r\n"
      " left outer join V_TA_VENDEDORES b on\r\n"
      " a.IdVendedor = b.IdVendedor\r\n"
      " left outer join V_TA_FRECUENCIA_VDOR c\r\n"
      " on a.idvendedor = c.idvendedor and a.CODIGO = c.Cliente"
      " where a.Dada_De_Baja=0 and a.BLOQUEO=0");
}

TEST(ConsultasVorna, ConjuntoPorCodigoSinDistinguirMayusculas) {
  for (const char* codigo : {"VTA", "stk", "Pdv", "RTA"})
    EXPECT_NE(vorna::CrearConjuntoDatos(codigo, "", "", "1"), nullptr) << codigo;
  EXPECT_EQ(vorna::CrearConjuntoDatos("XYZ", "", "", "1"), nullptr);
}

}  // namespace
