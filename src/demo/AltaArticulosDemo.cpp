// What the article registration window needs of the demo ERP: barcodes on
// the article master, an article view that takes the window's INSERT (as
// the ERP's updatable view does), and automatic registration switched on.

#include "demo/ContextoDemo.h"
#include "demo/SentenciaSqlite.h"
#include "services/esquema/EjecutarGuion.h"

namespace demo {
namespace {

// The barcodes of the master and the registration's own columns.
const char* kColumnas = R"(
ALTER TABLE MA_ARTICULOS ADD COLUMN CodigoBarra varchar(50) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN CodigoBarraDun varchar(50) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN UD_TTE varchar(4) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN CodigoBarra1 varchar(50) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN UMCB1 varchar(4) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN CodigoBarra2 varchar(50) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN UMCB2 varchar(4) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN CodigoBarra3 varchar(50) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN UMCB3 varchar(4) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN CodigoBarra4 varchar(50) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN UMCB4 varchar(4) NULL;
ALTER TABLE MA_ARTICULOS ADD COLUMN IdUnidad varchar(4) NULL DEFAULT '   1';
ALTER TABLE MA_ARTICULOS ADD COLUMN UsaSerie bit NOT NULL DEFAULT 0;
ALTER TABLE MA_ARTICULOS ADD COLUMN UsaLote bit NOT NULL DEFAULT 0;
ALTER TABLE MA_ARTICULOS ADD COLUMN Exento bit NOT NULL DEFAULT 0;
ALTER TABLE MA_ARTICULOS ADD COLUMN Suspendido bit NOT NULL DEFAULT 0;

DROP VIEW V_MA_ARTICULOS;
CREATE VIEW V_MA_ARTICULOS AS
  SELECT IdArticulo, Descripcion, CuentaProveedor, CodigoArtProveedor, IdFamilia, Moneda,
         PrecioVenta, Costo, AlicuotaIva, CodigoBarra, CodigoBarraDun, UD_TTE,
         CodigoBarra1, UMCB1, CodigoBarra2, UMCB2, CodigoBarra3, UMCB3, CodigoBarra4, UMCB4,
         IdUnidad, UsaSerie, UsaLote, Exento, Suspendido
  FROM MA_ARTICULOS;
-- The ERP's view is updatable; this one passes its inserts to the table,
-- whose key refuses a number given twice.
CREATE TRIGGER V_MA_ARTICULOS_ALTA INSTEAD OF INSERT ON V_MA_ARTICULOS
BEGIN
  INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, CuentaProveedor, CodigoArtProveedor, IdFamilia, Moneda,
                            PrecioVenta, Costo, AlicuotaIva, CodigoBarra, CodigoBarraDun, UD_TTE,
                            CodigoBarra1, UMCB1, CodigoBarra2, UMCB2, CodigoBarra3, UMCB3, CodigoBarra4, UMCB4,
                            IdUnidad, UsaSerie, UsaLote, Exento, Suspendido)
  VALUES (NEW.IdArticulo, NEW.Descripcion, NEW.CuentaProveedor, NEW.CodigoArtProveedor, NEW.IdFamilia,
          NEW.Moneda, NEW.PrecioVenta, NEW.Costo, NEW.AlicuotaIva, NEW.CodigoBarra, NEW.CodigoBarraDun,
          NEW.UD_TTE, NEW.CodigoBarra1, NEW.UMCB1, NEW.CodigoBarra2, NEW.UMCB2, NEW.CodigoBarra3, NEW.UMCB3,
          NEW.CodigoBarra4, NEW.UMCB4, IFNULL(NEW.IdUnidad, '   1'), IFNULL(NEW.UsaSerie, 0),
          IFNULL(NEW.UsaLote, 0), IFNULL(NEW.Exento, 0), IFNULL(NEW.Suspendido, 0));
END;
)";

// An EAN-13 of the distributor's country prefix: 779, the article's seven
// digits, two more and the check digit.
std::string CodigoEan(const std::string& id) {
  std::string ean = "779" + id + "00";
  int suma = 0;
  for (size_t i = 0; i < ean.size(); ++i) suma += (ean[i] - '0') * (i % 2 ? 3 : 1);
  return ean + char('0' + (10 - suma % 10) % 10);
}

}  // namespace

bool PrepararAltaArticulos(ContextoDemo& c, std::string& error) {
  if (!EjecutarGuion(c.db, kColumnas, &error)) return false;
  // Every article has its barcode; one in three a shipping box of twelve.
  SentenciaSqlite codigos(c.db,
                          "UPDATE MA_ARTICULOS SET CodigoBarra = ?, CodigoBarraDun = ?, UD_TTE = ? "
                          "WHERE IdArticulo = ?");
  for (size_t i = 0; i < c.articulos.size(); ++i) {
    const std::string ean = CodigoEan(c.articulos[i].id);
    if (i % 3 == 0) codigos.Texto(ean).Texto("1" + ean).Texto("  12");
    else codigos.Texto(ean).Nulo().Nulo();
    codigos.Texto(c.articulos[i].id);
    codigos.Ejecutar();
  }
  SentenciaSqlite clave(c.db,
                        "INSERT INTO TA_CONFIGURACION (CLAVE,VALOR,VALORAUX,GRUPO,POLITICANEGOCIO) "
                        "VALUES (?,?,NULL,'ARTICULOS',0)");
  clave.Texto("ARTICULOSPERMITEALTAAUTOMATICA").Texto("SI");
  clave.Ejecutar();
  clave.Texto("CLASEPRECIOVENTA").Texto("1");
  clave.Ejecutar();
  for (const SentenciaSqlite* s : {&codigos, &clave})
    if (!s->Ok()) {
      error = s->Error();
      return false;
    }
  return true;
}

}  // namespace demo
