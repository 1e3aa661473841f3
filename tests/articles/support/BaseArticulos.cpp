#include "BaseArticulos.h"

#include "articles/BaseMaestra.h"
#include "articles/FrmArtAltaModelo.h"
#include "services/Configuracion.h"
#include "sivlib/Utiles.h"

namespace {

const char* kMaestroArticulos = R"(
CREATE TABLE V_MA_ARTICULOS (
  IdArticulo varchar(25) NOT NULL PRIMARY KEY,
  CodigoBarra varchar(50) NULL,
  Descripcion varchar(100) NULL,
  IdUnidad varchar(4) NULL,
  UsaSerie bit NOT NULL DEFAULT 0,
  UsaLote bit NOT NULL DEFAULT 0,
  Exento bit NOT NULL DEFAULT 0,
  Suspendido bit NOT NULL DEFAULT 0,
  CodigoBarraDun varchar(50) NULL, UD_TTE varchar(4) NULL,
  CodigoBarra1 varchar(50) NULL, UMCB1 varchar(4) NULL,
  CodigoBarra2 varchar(50) NULL, UMCB2 varchar(4) NULL,
  CodigoBarra3 varchar(50) NULL, UMCB3 varchar(4) NULL,
  CodigoBarra4 varchar(50) NULL, UMCB4 varchar(4) NULL
);)";

}  // namespace

std::string Id25(const std::string& numero) { return FormatearCodigo(numero, 25); }

void BaseArticulos::SetUp() {
  ConBaseSqlite::SetUp();
  Ejecutar(kMaestroArticulos);
  Configurar(alta_articulo::kClaveAltaAutomatica, "SI");
  Configurar(alta_articulo::kClaveClasePrecio, "1");
  Configurar(base_maestra::kClaveDireccion, servidor.Base());
  Configurar(base_maestra::kClaveEspera, "0.5");
}

void BaseArticulos::Configurar(const std::string& clave, const std::string& valor) { GrabaDfg(clave, valor); }

void BaseArticulos::Articulo(const std::string& id, const std::string& codigoBarra, const std::string& descripcion) {
  Ejecutar("INSERT INTO V_MA_ARTICULOS (IdArticulo,CodigoBarra,Descripcion,IdUnidad) VALUES ('" + id + "','" +
           codigoBarra + "','" + descripcion + "','   1')");
}

Filas BaseArticulos::Articulos() {
  return Consultar(
      "SELECT IdArticulo,CodigoBarra,Descripcion,IdUnidad,UsaSerie,UsaLote,Exento,Suspendido FROM V_MA_ARTICULOS "
      "ORDER BY IdArticulo");
}
