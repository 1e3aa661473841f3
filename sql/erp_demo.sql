-- ERP tables and views read by the four export files (sales, stock,
-- customers, routes), for the embedded demo database. The views carry
-- the names and columns the export queries use; the tables under them
-- follow the ERP's naming (MA_ masters, MV_ movements, TA_ parameters).
-- Codes are stored as the ERP stores them: sellers right-aligned to 4
-- ("  12"), provinces as two digits ("01"..."26"), VAT conditions as one
-- digit ("1"..."6"). Dates are ISO text in columns declared datetime.
-- Amounts, quantities and percentages are declared float: SQLite's
-- NUMERIC affinity (decimal, money) would store 150.00 as the integer 150,
-- and the sales query's "IMPORTE_S_IVA * PorcDescuento1 / 100" would then
-- divide integers and drop the cents.

-- Articles; CuentaProveedor is the ledger account of the supplier.
CREATE TABLE MA_ARTICULOS (
  IdArticulo varchar(25) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Descripcion varchar(100) NULL,
  CuentaProveedor varchar(20) NULL,
  CodigoArtProveedor varchar(25) NULL,
  IdFamilia varchar(4) NULL,
  Moneda varchar(3) NULL,
  PrecioVenta float NULL,
  Costo float NULL,
  AlicuotaIva float NULL
);
CREATE VIEW V_MA_ARTICULOS AS
  SELECT IdArticulo, Descripcion, CuentaProveedor, CodigoArtProveedor, IdFamilia, Moneda,
         PrecioVenta, Costo, AlicuotaIva
  FROM MA_ARTICULOS;

-- Stock on hand per article.
CREATE TABLE STK_SALDOS (
  IdArticulo varchar(25) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Stock float NOT NULL DEFAULT 0,
  FechaActualizacion datetime NULL
);
CREATE VIEW STK_MA_ARTICULOS AS
  SELECT a.IdArticulo, a.Descripcion, a.CuentaProveedor, a.CodigoArtProveedor, a.IdFamilia, s.Stock
  FROM MA_ARTICULOS a INNER JOIN STK_SALDOS s ON s.IdArticulo = a.IdArticulo;

-- Sellers.
CREATE TABLE TA_VENDEDORES (
  IdVendedor varchar(4) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Nombre varchar(60) NULL,
  Zona varchar(30) NULL,
  Activo bit NOT NULL DEFAULT 1
);
CREATE VIEW V_TA_VENDEDORES AS SELECT IdVendedor, Nombre, Zona, Activo FROM TA_VENDEDORES;

-- Customers. Codigo is the customer's ledger account.
CREATE TABLE MA_CLIENTES (
  Codigo varchar(15) NOT NULL COLLATE NOCASE PRIMARY KEY,
  razon_social varchar(100) NULL,
  calle varchar(100) NULL,
  Numero varchar(10) NULL,
  departamento varchar(10) NULL,
  Localidad varchar(60) NULL,
  provincia varchar(2) NULL,
  CodigoPostal varchar(8) NULL,
  mail varchar(100) NULL,
  TELEFONO varchar(50) NULL,
  numero_documento varchar(20) NULL,
  iva varchar(2) NULL,
  dada_de_baja bit NOT NULL DEFAULT 0,
  BLOQUEO bit NOT NULL DEFAULT 0,
  IdVendedor varchar(4) NULL
);
CREATE VIEW VT_CLIENTES AS
  SELECT Codigo, razon_social, calle, Numero, departamento, Localidad, provincia, CodigoPostal,
         mail, TELEFONO, numero_documento, iva, dada_de_baja, BLOQUEO, IdVendedor
  FROM MA_CLIENTES;

-- Visit frequency of a seller for a customer: one character per weekday,
-- Monday first ("1010100").
CREATE TABLE TA_FRECUENCIA_VDOR (
  IdVendedor varchar(4) NOT NULL COLLATE NOCASE,
  Cliente varchar(15) NOT NULL COLLATE NOCASE,
  Frecuencia varchar(7) NOT NULL,
  PRIMARY KEY (IdVendedor, Cliente)
);
CREATE VIEW V_TA_FRECUENCIA_VDOR AS SELECT IdVendedor, Cliente, Frecuencia FROM TA_FRECUENCIA_VDOR;

-- Voucher headers. Discounts are percentages over the line amounts.
CREATE TABLE MV_CPTE (
  TC varchar(4) NOT NULL COLLATE NOCASE,
  IDCOMPROBANTE varchar(15) NOT NULL COLLATE NOCASE,
  FECHA datetime NOT NULL,
  Cuenta varchar(15) NULL,
  IdVendedor varchar(4) NULL,
  PorcDescuento1 float NULL,
  PorcDescuento2 float NULL,
  PorcDescuento3 float NULL,
  PorcDescuento4 float NULL,
  Anulado bit NOT NULL DEFAULT 0,
  PRIMARY KEY (TC, IDCOMPROBANTE)
);
CREATE VIEW V_MV_Cpte AS
  SELECT TC, IDCOMPROBANTE, FECHA, Cuenta, IdVendedor, PorcDescuento1, PorcDescuento2,
         PorcDescuento3, PorcDescuento4, Anulado
  FROM MV_CPTE;

-- Stock movements, one per voucher line. CuentaProveedor is the account
-- of the other party of the voucher (the customer on sales). CantidadUD is
-- the signed change of the stock: negative when units leave.
CREATE TABLE MV_STOCK (
  SECUENCIA INTEGER PRIMARY KEY,
  TC varchar(4) NOT NULL COLLATE NOCASE,
  IDCOMPROBANTE varchar(15) NOT NULL COLLATE NOCASE,
  FECHA datetime NOT NULL,
  CuentaProveedor varchar(15) NULL,
  IDVENDEDOR varchar(4) NULL,
  IDArticulo varchar(25) NOT NULL COLLATE NOCASE,
  Cantidad float NOT NULL,
  CantidadUD float NOT NULL,
  IMPORTE_S_IVA float NULL,
  DtoItem float NOT NULL DEFAULT 0,
  Costo float NULL,
  ArtMoneda varchar(3) NULL,
  ArtCotizacion float NULL,
  IVARI float NULL,
  Anulado bit NOT NULL DEFAULT 0
);
CREATE VIEW V_MV_Stock AS
  SELECT SECUENCIA, TC, IDCOMPROBANTE, FECHA, CuentaProveedor, IDVENDEDOR, IDArticulo, Cantidad,
         CantidadUD, IMPORTE_S_IVA, DtoItem, Costo, ArtMoneda, ArtCotizacion, IVARI, Anulado
  FROM MV_STOCK;
