-- The sales query in its plain SQLite form (what the engine's SQL Server
-- rules make of it, with SQLite's own "||" and IFNULL), for the sqlite3
-- command-line tool. :desde and :hasta are replaced by run.sh.
SELECT V_MV_Stock.TC || V_MV_Stock.IDCOMPROBANTE AS TRANSACCION, V_MV_Stock.SECUENCIA,
 V_MV_Stock.CuentaProveedor AS cuenta, IFNULL(V_MV_Cpte.FECHA, V_MV_Stock.FECHA) AS Fecha, V_MV_Stock.IDVENDEDOR,
 V_TA_VENDEDORES.Nombre, CASE WHEN V_MV_Stock.CantidadUD > 0 THEN 'DEV' ELSE 'VEN' END AS TipoVenta,
 V_MV_Stock.IDArticulo, v_ma_articulos.CodigoArtProveedor, V_MV_Stock.CantidadUD AS Consumo,
 (V_MV_Stock.IMPORTE_S_IVA * V_MV_Stock.Cantidad)
 - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento1, 0) / 100 * V_MV_Stock.Cantidad)
 - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento2, 0) / 100 * V_MV_Stock.Cantidad)
 - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento3, 0) / 100 * V_MV_Stock.Cantidad)
 - (V_MV_Stock.IMPORTE_S_IVA * IFNULL(V_MV_Cpte.PorcDescuento4, 0) / 100 * V_MV_Stock.Cantidad)
 - (V_MV_Stock.IMPORTE_S_IVA * V_MV_Stock.DtoItem / 100 * V_MV_Stock.Cantidad) AS ValorVenta,
 V_MV_Stock.Costo * V_MV_Stock.Cantidad AS ValorCosto, V_MV_Stock.ArtMoneda, V_MV_Stock.ArtCotizacion,
 V_MV_Stock.IVARI, V_MV_Stock.DtoItem, v_ma_articulos.CuentaProveedor
 FROM V_MV_Stock LEFT OUTER JOIN V_MV_Cpte ON V_MV_Stock.TC = V_MV_Cpte.TC
 AND V_MV_Stock.IDCOMPROBANTE = V_MV_Cpte.IDCOMPROBANTE
 left outer join V_MA_ARTICULOS on V_MV_Stock.IDArticulo = v_ma_articulos.IDARTICULO
 LEFT OUTER JOIN V_TA_VENDEDORES ON V_MV_Stock.IdVendedor = V_TA_VENDEDORES.IdVendedor
 WHERE (V_MV_Stock.Anulado = 0) AND (V_MV_Stock.TC IN ('TK', 'TKFC', 'FC', 'ND', 'NC', 'NCFP', 'FP'))
 AND (V_MV_Stock.FECHA>=':desde' AND V_MV_Stock.FECHA<=':hasta')
 AND v_ma_articulos.CUENTAPROVEEDOR = '21101010029' order by Fecha,secuencia;
