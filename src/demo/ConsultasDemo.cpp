// The list lookup's demo tables: articles with stock and reorder point,
// suppliers, customers with a contact.
#include "demo/ConsultasDemo.h"

#include "demo/CatalogoDemo.h"
#include "demo/SentenciaSqlite.h"
#include "services/esquema/EjecutarGuion.h"
#include "unifier/ConstantesVorna.h"

namespace demo {
namespace {

const char* kEsquema = R"(
ALTER TABLE MA_ARTICULOS ADD COLUMN PuntoPedido float NULL DEFAULT 0;
-- The article query view: the stock beside the reorder point, so that a
-- lookup can draw each article by its stock level.
CREATE VIEW VT_MA_ARTICULOS AS
  SELECT a.IdArticulo, a.Descripcion, a.PrecioVenta, s.Stock, a.PuntoPedido, a.Suspendido
  FROM MA_ARTICULOS a LEFT JOIN STK_SALDOS s ON s.IdArticulo = a.IdArticulo;

CREATE TABLE MA_PROVEEDORES (
  Codigo varchar(15) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Razon_Social varchar(100) NULL,
  Cuit varchar(13) NULL,
  Dada_De_Baja bit NOT NULL DEFAULT 0
);
CREATE VIEW VT_PROVEEDORES AS SELECT Codigo, Razon_Social, Cuit, Dada_De_Baja FROM MA_PROVEEDORES;

ALTER TABLE MA_CLIENTES ADD COLUMN Contacto varchar(60) NULL;
DROP VIEW VT_CLIENTES;
CREATE VIEW VT_CLIENTES AS
  SELECT Codigo, razon_social, calle, Numero, departamento, Localidad, provincia, CodigoPostal,
         mail, TELEFONO, numero_documento, iva, dada_de_baja, BLOQUEO, IdVendedor, Contacto
  FROM MA_CLIENTES;
)";

struct Proveedor {
  std::string_view codigo;
  const char* razon;
  const char* cuit;
  int baja;
};
const Proveedor kProveedores[] = {
    {vorna::kCuentaProveedor, "V.E.L.T.A. S.A.", "30-71234567-8", 0},
    {"21101010003", "LACTEOS DEL VALLE S.R.L.", "30-70987654-3", 0},
    {"21101010011", "BEBIDAS DEL NORTE S.A.", "30-69876543-1", 0},
    {"21101010047", "ALIMENTOS O'HIGGINS S.A.", "30-68765432-9", 0},
    {"21101010052", "DISTRIBUIDORA CUYO S.R.L.", "33-67654321-9", 0},
    {"21101010060", "IMPORTADORA AUSTRAL S.A.", "30-66543210-7", 1},
};

bool PuntosDePedido(ContextoDemo& c, std::string& error) {
  SentenciaSqlite punto(c.db, "UPDATE MA_ARTICULOS SET PuntoPedido = ?, Suspendido = ? WHERE IdArticulo = ?");
  for (size_t i = 0; i < c.articulos.size(); ++i) {
    // Most articles are reordered at some level; a few not at all, a few are suspended.
    const double nivel = i % 4 == 0 ? 0 : double(c.azar.Entero(5, 120));
    punto.Real(nivel).Entero(i % 37 == 5 ? 1 : 0).Texto(c.articulos[i].id);
    punto.Ejecutar();
  }
  if (!punto.Ok()) error = punto.Error();
  return punto.Ok();
}

bool Proveedores(ContextoDemo& c, std::string& error) {
  SentenciaSqlite p(c.db, "INSERT INTO MA_PROVEEDORES (Codigo,Razon_Social,Cuit,Dada_De_Baja) VALUES (?,?,?,?)");
  for (const Proveedor& v : kProveedores) {
    p.Texto(v.codigo).Texto(v.razon).Texto(v.cuit).Entero(v.baja);
    p.Ejecutar();
  }
  if (!p.Ok()) error = p.Error();
  return p.Ok();
}

bool Contactos(ContextoDemo& c, std::string& error) {
  SentenciaSqlite contacto(c.db, "UPDATE MA_CLIENTES SET Contacto = ? WHERE Codigo = ?");
  for (const ClienteDemo& cliente : c.clientes) {
    if (c.azar.Con(0.15)) continue;  // nobody named
    contacto.Texto(c.azar.Elegir(Nombres()) + " " + c.azar.Elegir(Apellidos())).Texto(cliente.codigo);
    contacto.Ejecutar();
  }
  if (!contacto.Ok()) error = contacto.Error();
  return contacto.Ok();
}

}  // namespace

bool PrepararConsultas(ContextoDemo& c, std::string& error) {
  return EjecutarGuion(c.db, kEsquema, &error) && PuntosDePedido(c, error) && Proveedores(c, error) &&
         Contactos(c, error);
}

}  // namespace demo
