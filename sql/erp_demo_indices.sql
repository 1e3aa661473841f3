-- Indexes of the demo ERP database, created after the bulk load.

-- The sales export reads the movements of a date range.
CREATE INDEX IX_MV_STOCK_FECHA ON MV_STOCK (FECHA);
CREATE INDEX IX_MV_STOCK_ARTICULO ON MV_STOCK (IDArticulo);
-- Article lookups by supplier account (stock export).
CREATE INDEX IX_MA_ARTICULOS_CUENTAPROVEEDOR ON MA_ARTICULOS (CuentaProveedor);
-- The customer filter of the sales and route exports asks, once per row,
-- whether VT_CLIENTES has the code with
-- "WHERE LTRIM(RTRIM(Codigo)) ='<code>'": without an index on that very
-- expression every row would scan the whole customer table.
CREATE INDEX IX_MA_CLIENTES_CODIGO_RECORTADO ON MA_CLIENTES (LTRIM(RTRIM(Codigo)));
CREATE INDEX IX_MA_CLIENTES_VENDEDOR ON MA_CLIENTES (IdVendedor);

-- Sampled statistics: enough for the planner, seconds faster on a million rows.
PRAGMA analysis_limit=1000;
ANALYZE;
