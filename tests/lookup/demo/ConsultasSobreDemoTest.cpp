// The demo ERP holds what the lookups read: each default definition, the
// article query view with its stock colours and the trees' tables give
// rows without a single error.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "demo/GeneradorDemo.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "lookup/Lib_FrmCons3TreeModelo.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Operador.h"
#include "support/BaseDePrueba.h"

namespace {

class ConsultasSobreDemo : public ConBaseSqlite {
 protected:
  void SetUp() override {
    ConBaseSqlite::SetUp();
    demo::ParametrosDemo p = demo::ParametrosDeTamano(50, 20, 60, 3, 3);
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(demoBase, p, nullptr, &error)) << error;
    Abrir(demoBase);
    FijarCarpeta(carpeta.Ruta());
    s.gRutaMascaraConsultas = carpeta / "consultas.prx";
    s.gUsarMascarasConsultas = true;
    ASSERT_TRUE(s.CrearMascarasConsultas());
  }
  void TearDown() override {
    FijarCarpeta("");
    ConBaseSqlite::TearDown();
  }
  std::string demoBase = carpeta / "demo.sqlite";
  Lib_ClsCons3 s;
};

TEST_F(ConsultasSobreDemo, LasDefinicionesPredeterminadasTraenFilas) {
  size_t filas = 0;
  s.MostrarLista = [&](Lib_FrmCons3Modelo& m) {
    m.Form_Load();
    filas = m.Filas().Cantidad();
    m.CmdAceptar_Click();
  };
  for (const char* tabla : {"V_MA_ARTICULOS", "VT_CLIENTES", "VT_PROVEEDORES", "V_TA_VENDEDORES", "MA_CUENTAS",
                            "VT_MA_ARTICULOS", "TA_CCOSTO", "MA_POSICIONES", "V_TA_FAMILIAS"}) {
    filas = 0;
    ColeccionTextos cmps = NuevaListaTextos();
    std::string campo;
    s.ConsultaSearch(tabla, cmps, "", campo, "", "", false);
    EXPECT_GT(filas, 0u) << tabla;
  }
  EXPECT_TRUE(op->Mensajes().empty()) << op->Mensajes().front().texto;
}

TEST_F(ConsultasSobreDemo, LosArticulosSePintanPorSuStock) {
  Lib_FrmCons3Modelo m;
  m.SQL = "SELECT Descripcion, IdArticulo, PrecioVenta, Stock, PuntoPedido FROM VT_MA_ARTICULOS ORDER BY 1";
  m.MuestraStock = "SI";
  m.StkNivel1 = Variant(1);
  m.StkNivel2 = Variant(2);
  m.StkNivel3 = Variant(3);
  m.StkNivel4 = Variant(4);
  m.Form_Load();
  std::set<std::string> niveles;
  for (size_t f = 0; f < m.Filas().Cantidad(); ++f) niveles.insert(m.ColorDeFila(f).Texto());
  EXPECT_EQ(niveles, (std::set<std::string>{"1", "2", "3", "4"})) << "every stock level is in the demo";
}

TEST_F(ConsultasSobreDemo, LosArbolesTienenVariosNiveles) {
  for (const auto& [sql, campo] : std::vector<std::pair<const char*, const char*>>{
           {"select IdFamilia, Descripcion from V_TA_FAMILIAS", "IDFAMILIA"},
           {"SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO", "CODIGO"},
           {"SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO", "CODIGO"},
           {"SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION", "IDPOSICION"}}) {
    Lib_FrmCons3TreeModelo t;
    t.SQL = sql;
    t.CampoDevuelto = campo;
    t.Form_Load();
    int profundidad = 0;
    for (const NodoArbol& n : t.Nodos().Nodos()) {
      int nivel = 0;
      for (int p = n.padre; p >= 0; p = t.Nodos()[p].padre) ++nivel;
      profundidad = std::max(profundidad, nivel);
    }
    EXPECT_GE(profundidad, 3) << sql;
  }
  EXPECT_TRUE(op->Mensajes().empty());
}

}  // namespace
