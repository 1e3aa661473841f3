// The tree's search as you type and its F5 statement texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookup/arbol/BusquedaArbol.h"
#include "lookup/arbol/FiltroArbol.h"
#include "lookup/arbol/SentenciaFamilias.h"

namespace {

struct CasoF5 {
  const char* nombre;
  std::string sentencia;
  std::vector<std::string> tecleados;  // one F5 each, in order
  std::string resultado;
};

class F5Tree : public ::testing::TestWithParam<CasoF5> {};

TEST_P(F5Tree, ArmaLaSentenciaFiltrada) {
  std::string sql = GetParam().sentencia;
  for (const std::string& t : GetParam().tecleados) sql = SentenciaFiltradaArbol(sql, t);
  EXPECT_EQ(sql, GetParam().resultado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, F5Tree,
    ::testing::Values(
        CasoF5{"SinWhereNiOrder",
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS",
               {"caf"},
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS where Descripcion like '%caf%' "},
        CasoF5{"ConWhere",
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE NIVEL = 1",
               {"CAJA"},
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE NIVEL = 1 and Descripcion like '%CAJA%' "},
        CasoF5{"ConOrderBy",
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO",
               {"caja"},
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS  where Descripcion like '%caja%' ORDER BY CODIGO"},
        CasoF5{"ConWhereYOrderEnMinusculas",
               "select codigo, descripcion from ta_ccosto where activo = 1 order by codigo",
               {"ven"},
               "select codigo, descripcion from ta_ccosto where activo = 1  and Descripcion like '%ven%' order by "
               "codigo"},
        CasoF5{"SeAcumulan",
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO",
               {"CA", "JA"},
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS  where Descripcion like '%CA%'  and Descripcion like "
               "'%JA%' ORDER BY CODIGO"},
        CasoF5{"ApostrofesDoblados",
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS",
               {"O'HIGGINS"},
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS where Descripcion like '%O''HIGGINS%' "},
        CasoF5{"CajaVacia",
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS",
               {""},
               "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS where Descripcion like '%%' "}),
    [](const auto& info) { return std::string(info.param.nombre); });

NodosArbol Cuentas() {
  NodosArbol nodos;
  nodos.Agregar(-1, "A", "Consulta...");
  nodos.Agregar(0, "A1", "1 - CAJA");
  nodos.Agregar(1, "A101", "101 - Cafe molido");
  nodos.Agregar(1, "A102", "102 - CAFETERA");
  nodos.Agregar(0, "A2", "2 - BANCO - CUENTA CORRIENTE");
  nodos.Agregar(0, "A3", "  3   -   agua");
  return nodos;
}

struct CasoBusqueda {
  const char* nombre;
  std::string tecleado;
  int nodo;  // -1: none
};

class BusquedaTree : public ::testing::TestWithParam<CasoBusqueda> {};

TEST_P(BusquedaTree, EligeElPrimerNodoQueEmpiezaConLoTecleado) {
  EXPECT_EQ(BuscarNodo(Cuentas(), GetParam().tecleado), GetParam().nodo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, BusquedaTree,
    ::testing::Values(CasoBusqueda{"DescripcionEnCualquierCaso", "caf", 2}, CasoBusqueda{"PorCodigo", "10", 2},
                      CasoBusqueda{"CodigoAntesQueDescripcion", "102", 3},
                      CasoBusqueda{"DescripcionConGuion", "BANCO - C", 4}, CasoBusqueda{"PartesRecortadas", "AGUA", 5},
                      CasoBusqueda{"NadaCoincide", "zzz", -1}, CasoBusqueda{"ElMedioNoCuenta", "molido", -1}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(SentenciaFamiliasTree, ReconoceLaVistaDeFamiliasEnCualquierCaso) {
  EXPECT_TRUE(EsSentenciaFamilias("select * from V_TA_FAMILIAS"));
  EXPECT_TRUE(EsSentenciaFamilias("SELECT IdFamilia, Descripcion FROM v_ta_Familias ORDER BY 1"));
  EXPECT_FALSE(EsSentenciaFamilias("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS"));
  EXPECT_EQ(
      SentenciaFamilias(),
      "SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a   Where "
      "a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER "
      "BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b ORDER BY IdFamilia");
}

}  // namespace
