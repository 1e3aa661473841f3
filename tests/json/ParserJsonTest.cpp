#include <gtest/gtest.h>

#include <string>

#include "ArbolPrueba.h"
#include "json/Json.h"
#include "sivlib/Regional.h"

using namespace arbol;

namespace {

const std::string kRepetida = "Esta clave ya está asociada con un elemento de esta colección";
const std::string kTipos = "No coinciden los tipos";

struct Caso {
  const char* json;
  JSON::ValorJson arbol;
  std::string errores;
};

class ParserJson : public ::testing::Test {
 protected:
  void TearDown() override { regional::Restablecer(); }

  static void Comprobar(const Caso& c) {
    const JSON::ValorJson resultado = JSON::ParsearJson(c.json);
    EXPECT_EQ(resultado, c.arbol) << c.json;
    EXPECT_EQ(JSON::ErroresJson(), c.errores) << c.json;
  }
};

}  // namespace

TEST_F(ParserJson, DocumentosBienFormadosYSusFormasLaxas) {
  const Caso casos[] = {
      {"[1,2,3]", Lis({Num("1"), Num("2"), Num("3")}), ""},
      {"{a:1, 'b':'x', c : true}", Obj({{"a", Num("1")}, {"b", Txt("x")}, {"c", Log(true)}}), ""},
      {"{a:1 b:2}", Obj({{"a", Num("1")}, {"b", Num("2")}}), ""},
      {"[1 2 3]", Lis({Num("1"), Num("2"), Num("3")}), ""},
      {"[1,,2,]", Lis({Num("1"), Num("2")}), ""},
      {"{,a:1,,}", Obj({{"a", Num("1")}}), ""},
      {"{'my key':1}", Obj({{"mykey", Num("1")}}), ""},
      {R"({"a:b":1, "x\ty" :2})", Obj({{"a:b", Num("1")}, {"x\\ty", Num("2")}}), ""},
      {"[true,false,null]", Lis({Log(true), Log(false), Nul()}), ""},
      {"{a:{b:{c:null}}, d:[], e:{}}", Obj({{"a", Obj({{"b", Obj({{"c", Nul()}})}})}, {"d", Lis({})}, {"e", Obj({})}}),
       ""},
      {"[{a:'x'} {b:'y'}]", Lis({Obj({{"a", Txt("x")}}), Obj({{"b", Txt("y")}})}), ""},
      {"[(1), ((2))]", Lis({Num("1"), Num("2")}), ""},
      {"{a:1}{b:2}", Obj({{"a", Num("1")}}), ""},
      {"  \r\n\t[]", Lis({}), ""},
      {"[1.5e3, -0.25, 12345678901234567890.123456789, +7]",
       Lis({Num("1500"), Num("-0.25"), Num("12345678901234567890.123456789"), Num("7")}), ""},
  };
  for (const auto& c : casos) Comprobar(c);
}

TEST_F(ParserJson, CadenasYEscapes) {
  const Caso casos[] = {
      {R"(["\u00e9", "\q"])", Lis({Txt("é"), Txt("q")}), ""},
      {R"(['it\'s', "a\"b", 'say "hi"', "x'y"])", Lis({Txt("it's"), Txt("a\"b"), Txt("say \"hi\""), Txt("x'y")}), ""},
      {R"(["a\/b\\c\n\t\r\b\f"])", Lis({Txt("a/b\\c\n\t\r\b\f")}), ""},
      {R"(["\ud83d\ude00", "\ud83d", "x\udc00y", "\u0041\u00f1"])",
       Lis({Txt("\xF0\x9F\x98\x80"), Txt("\xEF\xBF\xBD"), Txt("x\xEF\xBF\xBDy"), Txt("Añ")}), ""},
      {"['línea\r\nsiguiente']", Lis({Txt("línea\r\nsiguiente")}), ""},
  };
  for (const auto& c : casos) Comprobar(c);
}

TEST_F(ParserJson, ComentariosYParentesisSonBlancos) {
  const Caso casos[] = {
      {"[ /* c */ 1, // c\n2]", Lis({Num("1"), Num("2")}), ""},
      {"// cabecera\r\n[1]", Lis({Num("1")}), ""},
      {"{a:1 /* x * y **/, b:2}", Obj({{"a", Num("1")}, {"b", Num("2")}}), ""},
      {"[1 // a/b/c\n, 2]", Lis({Num("1"), Num("2")}), ""},
      {"[1, / 2]", Lis({Num("1"), Num("2")}), ""},
      {"[/**/1]", Lis({Num("1")}), ""},
  };
  for (const auto& c : casos) Comprobar(c);
}

TEST_F(ParserJson, ErroresConSusTextos) {
  const Caso casos[] = {
      {"{a:1,a:2}", Obj({{"a", Num("1")}}), kRepetida + ": a\r\n"},
      {"{x:1", Obj({{"x", Num("1")}}), "Missing '}': {x:1\r\n"},
      {"{k:'abcdefghijklmnopqrstuvwxyz'", Obj({{"k", Txt("abcdefghijklmnopqrstuvwxyz")}}),
       "Missing '}': hijklmnopqrstuvwxyz'\r\n"},
      {"{a:", Obj({{"a", Vac()}}), "Missing '}': {a:\r\n"},
      {"[1", Lis({Num("1")}), "Missing ']': [1\r\n"},
      {R"(["abc)", Lis({Txt("abc")}), "Missing ']': [\"abc\r\n"},
      {"[ 'a' /* sin cerrar", Lis({Txt("a")}), "Missing ']': [ 'a' /* sin cerrar\r\n"},
      {"'abc'", Vac(), "Invalid JSON"},
      {"", Vac(), "Invalid JSON"},
      {"  // nada\n", Vac(), "Invalid JSON"},
      {"1", Vac(), "Invalid JSON"},
      {"[tru]", Lis({Log(false)}), "Invalid Boolean at position 2 : tru]\r\n"},
      {"[nul, 1]", Lis({Vac(), Num("1")}), "Invalid null value at position 2 : nul, 1]\r\n"},
      {"[fals,nul,true]", Lis({Log(false), Vac(), Log(true)}),
       "Invalid Boolean at position 2 : fals,nul,true]\r\nInvalid null value at position 7 : nul,true]\r\n"},
      {"[\"é\", tru]", Lis({Txt("é"), Log(false)}), "Invalid Boolean at position 7 : tru]\r\n"},
      {"[1-2, 3]", Lis({}), kTipos + ": , 3]\r\n"},
      // literals quote the whole rest of the text, a failed element the next 20 characters,
      // a missing bracket the last 20
      {"[tru, 'abcdefghijklmnopqrstuvwxyz']", Lis({Log(false), Txt("abcdefghijklmnopqrstuvwxyz")}),
       "Invalid Boolean at position 2 : tru, 'abcdefghijklmnopqrstuvwxyz']\r\n"},
      {"[1-2, 'abcdefghijklmnopqrstuvwxyz']", Lis({}), kTipos + ": , 'abcdefghijklmnopq\r\n"},
      {"[1, 2, 'abcdefghijklmnopqrstuvwxyz'", Lis({Num("1"), Num("2"), Txt("abcdefghijklmnopqrstuvwxyz")}),
       "Missing ']': hijklmnopqrstuvwxyz'\r\n"},
      {"[True]", Lis({}), kTipos + ": True]\r\n"},
      {"[1, 1e99]", Lis({Num("1")}), "Desbordamiento: ]\r\n"},
      {"{a:}", Obj({}), kTipos + ": a\r\n"},
      {"{a:[1,2}", Obj({{"a", Lis({Num("1"), Num("2")})}}), kTipos + ": }\r\n"},
      {R"({"a" 1})", Obj({{"a", Num("1")}}), "Invalid Key at position 6 : a\r\n"},
      {R"(["\u12"])", Lis({}), kTipos + ": 12\"]\r\n"},
      {R"(["\uZZZZ", 1])", Lis({}), kTipos + ": ZZZZ\", 1]\r\n"},
      // one error can produce several messages
      {"[{a:1,a:2}, 3]", Lis({Obj({{"a", Num("1")}})}), kRepetida + ": a\r\n" + kTipos + ": }, 3]\r\n"},
  };
  for (const auto& c : casos) Comprobar(c);
}

TEST_F(ParserJson, CadaParseoEmpiezaSinErrores) {
  JSON::ParsearJson("[tru]");
  ASSERT_FALSE(JSON::ErroresJson().empty());
  JSON::ParsearJson("[true]");
  EXPECT_EQ(JSON::ErroresJson(), "");
}

TEST_F(ParserJson, ElSeparadorRegionalNoCambiaLosNumerosDelTexto) {
  regional::FijarSeparadores(',', '.');
  Comprobar({"[2.5, 1e3, -0.125]", Lis({Num("2.5"), Num("1000"), Num("-0.125")}), ""});
  // the comma separates values, it is never read as a decimal mark
  Comprobar({"[2,5]", Lis({Num("2"), Num("5")}), ""});
}

TEST_F(ParserJson, ClavesExactasEnOrdenDeEntrada) {
  const JSON::ValorJson o = JSON::ParsearJson("{b:1, a:2, A:3, 'c':4}");
  ASSERT_EQ(JSON::ErroresJson(), "");
  std::string orden;
  for (const auto& [clave, valor] : o.Objeto()->Miembros()) orden += clave;
  EXPECT_EQ(orden, "baAc");
  EXPECT_EQ(o.Miembro("A"), Num("3"));
  EXPECT_EQ(o.Miembro("a"), Num("2"));
  EXPECT_TRUE(o.Miembro("C").EsVacio());
}

TEST_F(ParserJson, ObjetoGrandeDetectaClavesRepetidas) {
  std::string json = "{";
  for (int i = 0; i < 200; ++i) json += "k" + std::to_string(i) + ":" + std::to_string(i) + ",";
  json += "k150:0, z:1}";
  const JSON::ValorJson o = JSON::ParsearJson(json);
  EXPECT_EQ(JSON::ErroresJson(), kRepetida + ": k150\r\n");
  EXPECT_EQ(o.Cantidad(), 200);
  EXPECT_EQ(o.Miembro("k150"), Num("150"));
  EXPECT_EQ(o.Objeto()->Miembros().back().first, "k199");
}

TEST_F(ParserJson, ListasEmpiezanEnLaPosicionUno) {
  const JSON::ValorJson l = JSON::ParsearJson("['a','b']");
  EXPECT_EQ(l.Elemento(1), Txt("a"));
  EXPECT_EQ(l.Elemento(2), Txt("b"));
  EXPECT_TRUE(l.Elemento(0).EsVacio());
  EXPECT_TRUE(l.Elemento(3).EsVacio());
}
