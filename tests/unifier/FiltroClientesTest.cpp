// The customer filter: one lookup per customer and file, apostrophes kept
// out of the statement, and an index that serves the lookup.
#include "unifier/FiltroClientes.h"

#include <gtest/gtest.h>

#include "BaseErp.h"
#include "db/motor/dialecto_sqlite/Reglas.h"
#include "demo/GuionesErpDemo.h"

namespace {

TEST_F(ConBaseErp, CadaClienteSeConsultaUnaVezPorArchivo) {
  Cliente({.codigo = "C1"});
  Cliente({.codigo = "O'HIGGINS"});
  vorna::FiltroClientes filtro;
  struct Caso {
    const char* codigo;
    bool existe;
  };
  const Caso casos[] = {{"C1", true}, {" C1 ", true}, {"C9", false}, {"C9", false}, {"O'HIGGINS", true}, {"C1", true}};
  for (const auto& c : casos) {
    bool existe = !c.existe;
    EXPECT_FALSE(filtro.Existe(c.codigo, existe).HayError()) << c.codigo;
    EXPECT_EQ(existe, c.existe) << c.codigo;
  }
  EXPECT_EQ(filtro.Consultas(), 3);
  EXPECT_TRUE(op->Mensajes().empty());
}

class PlanDelFiltro : public ConGrabador {};

TEST_F(PlanDelFiltro, LaBusquedaUsaElIndiceDelCodigoRecortado) {
  vorna::FiltroClientes filtro;
  bool existe = false;
  filtro.Existe("C1", existe);
  const auto sentencias = Sentencias();
  ASSERT_EQ(sentencias.size(), 1u);

  // The same statement, as the embedded engine runs it, on the demo schema.
  const std::string archivo = carpeta / "plan.sqlite";
  EjecutarSqlite(archivo, std::string(GuionEsquemaErpDemo()) + std::string(GuionIndicesErpDemo()));
  const Filas plan =
      ConsultarSqlite(archivo, "EXPLAIN QUERY PLAN " + dialecto_sqlite::TraducirSentencia(sentencias[0]));
  std::string detalle;
  for (const auto& f : plan) detalle += f.back() + "\n";
  EXPECT_NE(detalle.find("USING INDEX IX_MA_CLIENTES_CODIGO_RECORTADO"), std::string::npos) << detalle;
}

}  // namespace
