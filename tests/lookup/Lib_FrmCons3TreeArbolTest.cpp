// The tree's nodes: where a code hangs, checking down six levels, the order
// the checked nodes come back in.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Lib_FrmCons3TreeDePrueba.h"
#include "lookup/Lib_FrmCons3TreeModelo.h"
#include "lookup/arbol/NodosArbol.h"

namespace {

// A tree built as the automatic tree builds it: the root "A", then each code
// below the node whose key is the longest start of "A" + code.
NodosArbol ArbolDePrefijos(const std::vector<std::string>& codigos) {
  NodosArbol nodos;
  nodos.Agregar(-1, "A", "Consulta...");
  for (const std::string& c : codigos) nodos.Agregar(nodos.PrefijoMasLargo("A" + c), "A" + c, c + " - x");
  return nodos;
}

struct CasoPrefijos {
  const char* nombre;
  std::vector<std::string> codigos;
  std::map<std::string, std::string> padres;
};

class PrefijosTree : public ::testing::TestWithParam<CasoPrefijos> {};

TEST_P(PrefijosTree, CadaCodigoCuelgaDelPrefijoMasLargo) {
  EXPECT_EQ(PadresDe(ArbolDePrefijos(GetParam().codigos)), GetParam().padres);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PrefijosTree,
    ::testing::Values(
        CasoPrefijos{"EjemploDeCinco",
                     {"1", "101", "10101", "102", "2"},
                     {{"1", ""}, {"101", "1"}, {"10101", "101"}, {"102", "1"}, {"2", ""}}},
        CasoPrefijos{"SinPrefijoVaALaRaiz", {"1", "25", "1101"}, {{"1", ""}, {"25", ""}, {"1101", "1"}}},
        // A shorter code that comes later cannot take in what was added before it.
        CasoPrefijos{
            "PrefijoPosteriorCuelgaMasArriba", {"101", "1", "10101"}, {{"101", ""}, {"1", ""}, {"10101", "101"}}},
        CasoPrefijos{"SaltoDeNivelesBuscaElMasLargoExistente", {"1", "10101"}, {{"1", ""}, {"10101", "1"}}},
        CasoPrefijos{
            "LetrasSinDistinguirMayusculas", {"ab", "ABC", "aBcD"}, {{"ab", ""}, {"ABC", "ab"}, {"aBcD", "ABC"}}},
        CasoPrefijos{"Acentuadas", {"ñ", "Ña"}, {{"ñ", ""}, {"Ña", "ñ"}}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(NodosArbolTree, ClaveRepetidaSinDistinguirMayusculasYPadreInexistenteFallan) {
  NodosArbol nodos;
  ASSERT_FALSE(nodos.Agregar(-1, "A", "Consulta...").HayError());
  ASSERT_FALSE(nodos.Agregar(0, "Aab", "ab - x").HayError());
  EXPECT_EQ(nodos.Agregar(0, "AAB", "AB - y").numero, errores_arbol::ClaveRepetida);
  EXPECT_EQ(nodos.Agregar(7, "Azz", "zz - z").numero, errores_arbol::ElementoNoEncontrado);
  EXPECT_EQ(nodos.Cantidad(), 2);
  EXPECT_EQ(nodos[0].hijos, std::vector<int>{1});
}

// A chain root > 1 > 11 > ... nine levels below the root.
NodosArbol Cadena() {
  std::vector<std::string> codigos;
  std::string c;
  for (int i = 0; i < 9; ++i) codigos.push_back(c += "1");
  return ArbolDePrefijos(codigos);
}

struct CasoMarca {
  int nodo;                    // the node checked (0 root, 1 code "1", ...)
  std::vector<bool> marcados;  // after checking, nodes 0..9
};

class MarcarTree : public ::testing::TestWithParam<CasoMarca> {};

TEST_P(MarcarTree, LaMarcaBajaSeisNivelesYNoMas) {
  NodosArbol nodos = Cadena();
  nodos.Marcar(GetParam().nodo, true, kNivelesMarcados);
  std::vector<bool> marcados;
  for (const NodoArbol& n : nodos.Nodos()) marcados.push_back(n.marcado);
  EXPECT_EQ(marcados, GetParam().marcados);
}

INSTANTIATE_TEST_SUITE_P(Casos, MarcarTree,
                         ::testing::Values(CasoMarca{0, {1, 1, 1, 1, 1, 1, 1, 0, 0, 0}},
                                           CasoMarca{2, {0, 0, 1, 1, 1, 1, 1, 1, 1, 0}},
                                           CasoMarca{4, {0, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
                                           CasoMarca{9, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}));

TEST(NodosArbolTree, DesmarcarPasaElEstadoYRespetaLoMasProfundo) {
  NodosArbol nodos = Cadena();
  nodos.Marcar(0, true, 9);  // everything checked
  nodos.Marcar(1, false, kNivelesMarcados);
  std::vector<bool> marcados;
  for (const NodoArbol& n : nodos.Nodos()) marcados.push_back(n.marcado);
  EXPECT_EQ(marcados, (std::vector<bool>{1, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
}

TEST(NodosArbolTree, LaMarcaAlcanzaATodosLosHermanos) {
  NodosArbol nodos = ArbolDePrefijos({"1", "101", "102", "10201", "2"});
  nodos.Marcar(1, true, kNivelesMarcados);
  std::vector<std::string> marcados;
  for (const NodoArbol& n : nodos.Nodos())
    if (n.marcado) marcados.push_back(n.clave);
  EXPECT_EQ(marcados, (std::vector<std::string>{"A1", "A101", "A102", "A10201"}));
}

TEST(NodosArbolTree, OrdenDeArbolEsElQueSeVe) {
  // "2" is added before "101": the tree shows 101 under 1, above 2.
  NodosArbol nodos = ArbolDePrefijos({"1", "2", "101", "201", "10101"});
  std::vector<std::string> claves;
  for (int n : nodos.EnOrdenDeArbol()) claves.push_back(nodos[n].clave);
  EXPECT_EQ(claves, (std::vector<std::string>{"A", "A1", "A101", "A10101", "A2", "A201"}));
}

}  // namespace
