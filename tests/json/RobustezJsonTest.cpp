// Malformed and hostile inputs: every one must come back, with the problem
// in the error text, never a crash or an endless loop.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "json/Json.h"
#include "json/LectorJson.h"
#include "json/cJSONScript.h"
#include "support/CarpetaPrueba.h"

namespace {

const std::string kDocumento = R"(// pedido
{
  "pedido": 1042, 'cliente': {nombre: "Ana \"la\" Pérez", codigo: '   17', activo: true},
  lineas: [
    {art: "A-1", cant: 2, precio: 10.50, notas: null},
    {art: 'B\u00e9', cant: -1, precio: 1.5e2, tags: ["x", 'y', [1, [2, [3]]]]},
    /* bloque */ {art: "C", cant: 0.000001, precio: 12345678901234567890.12}
  ],
  total: (157.5), vacio: {}, lista: [], cierre: false
})";

void DebeVolver(const std::string& entrada) {
  const JSON::ValorJson r = JSON::ParsearJson(entrada);
  (void)r;
  (void)JSON::ErroresJson();
}

}  // namespace

TEST(RobustezJson, ElDocumentoBaseEsValido) {
  const JSON::ValorJson r = JSON::ParsearJson(kDocumento);
  EXPECT_EQ(JSON::ErroresJson(), "");
  EXPECT_EQ(r.Miembro("lineas").Cantidad(), 3);
}

TEST(RobustezJson, CadaTruncamientoVuelveConError) {
  for (size_t n = 0; n < kDocumento.size(); ++n) {
    DebeVolver(kDocumento.substr(0, n));
    EXPECT_FALSE(JSON::ErroresJson().empty()) << "truncated at " << n;
  }
}

TEST(RobustezJson, BytesCambiadosAlAzarVuelven) {
  std::mt19937 azar(20261209);
  const std::string especiales = "{}[]()\"'\\/*:,\0\xff\xc3\x80tfnu \n";
  for (int i = 0; i < 3000; ++i) {
    std::string s = kDocumento;
    const int cambios = 1 + int(azar() % 4);
    for (int c = 0; c < cambios; ++c) {
      const size_t donde = azar() % s.size();
      s[donde] = (azar() % 2) ? char(azar() % 256) : especiales[azar() % especiales.size()];
    }
    if (azar() % 3 == 0) s.resize(azar() % s.size());
    DebeVolver(s);
  }
}

TEST(RobustezJson, AnidamientoProfundoSeInformaSinAgotarLaPila) {
  const int limite = JSON::LectorJson::ProfundidadMaxima;
  const std::string esperado =
      "Nesting deeper than " + std::to_string(limite) + " levels at position " + std::to_string(limite + 1) + " : ";
  for (const std::string& apertura : {std::string("["), std::string("{a:"), std::string("[{'k':")}) {
    std::string s;
    for (int i = 0; i < 100000; ++i) s += apertura;
    const JSON::ValorJson r = JSON::ParsearJson(s);
    EXPECT_TRUE(r.EsLista() || r.EsObjeto());
    EXPECT_NE(JSON::ErroresJson().find("Nesting deeper than"), std::string::npos) << apertura;
    EXPECT_LT(JSON::ErroresJson().size(), 200u) << apertura;
  }
  JSON::ParsearJson(std::string(100000, '['));
  EXPECT_EQ(JSON::ErroresJson().substr(0, esperado.size()), esperado);
  // just inside the limit is an ordinary document
  JSON::ParsearJson(std::string(size_t(limite), '[') + std::string(size_t(limite), ']'));
  EXPECT_EQ(JSON::ErroresJson(), "");
}

TEST(RobustezJson, MuchosErroresNoLlenanLaMemoria) {
  std::string s = "[";
  for (int i = 0; i < 200000; ++i) s += "tru,";
  s += "]";
  const JSON::ValorJson r = JSON::ParsearJson(s);
  EXPECT_LT(JSON::ErroresJson().size(), 2 * JSON::LectorJson::ErroresMaximo + s.size());
  EXPECT_NE(JSON::ErroresJson().find("Too many errors"), std::string::npos);
  EXPECT_GT(r.Cantidad(), 0);
}

TEST(RobustezJson, EntradasExtremas) {
  const std::string casos[] = {
      std::string("[\"") + std::string(100000, '\\'),
      "[\"\\u",
      "[\"\\ud800\\u",
      "['\\",
      "{'a",
      "{\"a\"",
      "[/*",
      "[//",
      "{:",
      "{::::}",
      std::string("[\0]", 3),
      std::string("{a\0:1}", 6),
      "\xff\xfe[1]",
      "[\xc3]",
      "[1e99999999999999999999]",
      std::string(100000, '}'),
      std::string(100000, '/'),
      std::string(50000, '(') + "[1]",
  };
  for (const auto& c : casos) DebeVolver(c);
}

TEST(RobustezJson, ElInterpreteSobreviveAGuionesRotos) {
  OperadorDePrueba op;
  const std::string guion =
      "['Hola ', {set: {name: 'x', value: '7'}}, {if: {value1: {get: {name: 'x'}}, value2: '5', type: 'gt', "
      "true: 'big', false: 'small'}}, {switch: {case: 'a', items: [{case: 'a', return: 'A'}]}}, {price: {a: 1}}]";
  std::mt19937 azar(7);
  cJSONScript s;
  for (int i = 0; i < 1500; ++i) {
    std::string g = guion;
    g[azar() % g.size()] = "{}[]'\":,1tn x"[azar() % 13];
    if (azar() % 4 == 0) g.resize(azar() % g.size());
    (void)s.Eval(g);
    EXPECT_EQ(s.Anidamiento(), 0);
  }
}
