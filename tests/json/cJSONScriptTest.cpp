#include <gtest/gtest.h>

#include <string>

#include "ArbolPrueba.h"
#include "json/cJSONScript.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"
#include "support/CarpetaPrueba.h"

using namespace arbol;

namespace {

class JSONScript : public ::testing::Test {
 protected:
  // Numbers are written with a decimal point unless a test sets the users' comma.
  void SetUp() override { regional::FijarSeparadores('.', ','); }
  void TearDown() override { regional::Restablecer(); }

  // Runs each script on a fresh interpreter and checks its output.
  void Salidas(std::initializer_list<std::pair<const char*, const char*>> casos) {
    for (const auto& [guion, esperado] : casos) {
      cJSONScript s;
      EXPECT_EQ(s.Eval(guion), esperado) << guion;
      EXPECT_EQ(s.UltimoError().numero, 0) << guion << ": " << s.UltimoError().descripcion;
      EXPECT_EQ(s.Anidamiento(), 0) << guion;
    }
  }

  OperadorDePrueba op;
  const std::string kExcedido = "ERROR: Nesting level exceeded.";
};

// `niveles` arrays around the innermost text.
std::string Anidado(int niveles, const std::string& interior) {
  return std::string(size_t(niveles), '[') + interior + std::string(size_t(niveles), ']');
}

}  // namespace

TEST_F(JSONScript, ElGuionDeEjemploProduceSuTexto) {
  Salidas(
      {{"['Hello ', {set: {name: 'x', value: '7'}}, {if: {value1: {get: {name: 'x'}}, value2: '5', "
        "type: 'gt', true: 'big', false: 'small'}}, {price: {a: 1, b: 2}}, {tag: 'x'}]",
        "Hello big<%PRICE(1,2)%><%TAG(x)%>"}});
  EXPECT_TRUE(op->Mostrados().empty());
}

TEST_F(JSONScript, TextosNulosYValoresSimples) {
  Salidas({
      {"[]", ""},
      {R"(["a", null, "b"])", "anullb"},
      {"[[true, false, null, 'x', 2.50, -3, 1e2]]", "truefalsenullx2.5-3100"},
      {"[{return: 'tal cual'}, {RETURN: ''}]", "tal cual"},
      {"[{foo: [1, 2]}, {Bar: 'a b'}, {baz: {x: 'u', y: 2.5, z: true, w: null}}]",
       "<%FOO()%><%BAR(a b)%><%BAZ(u,2.5,Verdadero,)%>"},
  });
}

TEST_F(JSONScript, ComparacionesDeIf) {
  struct Caso {
    const char* a;
    const char* b;
    const char* tipo;
    bool cierto;
  } casos[] = {
      {"ABC", "abc", "eq", true}, {"ABC", "abd", "EQ", false}, {"b", "a", "gt", true},  {"B", "a", "gt", false},
      {"a", "b", "lt", true},     {"a", "a", "gte", true},     {"a", "a", "lte", true}, {"b", "a", "lte", false},
      {"a", "a", "igual", false}, {"10", "9", "gt", false},    {"a", "a", "", false},
  };
  for (const auto& c : casos) {
    cJSONScript s;
    const std::string guion = std::string("[{if: {value1: '") + c.a + "', value2: '" + c.b + "', type: '" + c.tipo +
                              "', true: 'si', false: 'no'}}]";
    EXPECT_EQ(s.Eval(guion), c.cierto ? "si" : "no") << guion;
  }
}

TEST_F(JSONScript, VariablesYValoresPorDefecto) {
  Salidas({
      {"[{get: {name: 'nunca', default: {return: 'defecto'}}}]", "defecto"},
      {"[{set: {name: 'v', value: ''}}, {get: {name: 'v', default: 'vacia'}}]", "vacia"},
      {"[{set: {name: 'x', value: 'a'}}, {set: {name: 'X', value: 'b'}}, {get: {name: 'x'}}, {get: {name: 'X'}}]",
       "ab"},
      {"[{set: {name: 'y', value: [{return: 'p'}, 'q']}}, {get: {name: 'y'}}]", "pq"},
  });
}

TEST_F(JSONScript, LasVariablesDuranLoQueElObjeto) {
  cJSONScript s;
  EXPECT_EQ(s.Eval("[{set: {name: 'n', value: 'guardado'}}]"), "");
  EXPECT_EQ(s.Eval("[{get: {name: 'n'}}]"), "guardado");
  cJSONScript otro;
  EXPECT_EQ(otro.Eval("[{get: {name: 'n', default: 'ninguno'}}]"), "ninguno");
}

TEST_F(JSONScript, Switch) {
  Salidas({
      {"[{switch: {case: 'X', default: 'd', items: [{case: 'y', return: 'Y'}, {case: 'x', return: 'ok'}]}}]", "ok"},
      {"[{switch: {case: 'z', default: 'd', items: [{case: 'x', return: 'ok'}]}}]", "d"},
      {"[{switch: {case: 'A', items: [{case: 'a', return: {get: {name: 'q', default: 'r'}}}, {case: 'a', "
       "return: 'segundo'}]}}]",
       "r"},
      {"[{switch: {case: '2.5', items: [{case: 2.5, return: 'numero'}]}}]", "numero"},
  });
}

TEST_F(JSONScript, NombresDeComandoSinDistinguirMayusculas) {
  cJSONScript s;
  EXPECT_EQ(s.Eval("[{alert: {message: 'uno', title: 'T'}}, {ALERT: {message: 'dos'}}, {Alert: {message: "
                   "{return: 'tres'}, title: 'X'}}]"),
            "");
  const auto mensajes = op->Mensajes();
  ASSERT_EQ(mensajes.size(), 3u);
  EXPECT_EQ(mensajes[0].texto, "uno");
  EXPECT_EQ(mensajes[0].titulo, "T");
  EXPECT_EQ(mensajes[0].estilo, botones::OK + botones::Informacion);
  EXPECT_EQ(mensajes[1].texto, "dos");
  EXPECT_EQ(mensajes[1].titulo, "");
  EXPECT_EQ(mensajes[2].texto, "tres");
}

TEST_F(JSONScript, InputDevuelveLaRespuestaDelOperador) {
  op->ResponderTexto("Juan");
  op->ResponderTexto("");
  cJSONScript s;
  EXPECT_EQ(s.Eval("['<', {input: {prompt: 'Nombre?', title: 'Alta', default: 'x'}}, '|', {input: {prompt: 'p'}}, "
                   "'>']"),
            "<Juan|>");
  ASSERT_EQ(op->Mostrados().size(), 2u);
  EXPECT_EQ(op->Mostrados()[0].clase, "Entrada");
  EXPECT_EQ(op->Mostrados()[0].texto, "Nombre?");
  EXPECT_EQ(op->Mostrados()[0].titulo, "Alta");
}

TEST_F(JSONScript, NumerosConPuntoAunConComaRegional) {
  regional::FijarSeparadores(',', '.');
  Salidas({
      {"[[2.5], {set: {name: 'n', value: -0.75}}, ' ', {get: {name: 'n'}}]", "2.5 -0.75"},
      // a tag's arguments keep the regional form
      {"[{price: {a: 2.5, b: 1}}]", "<%PRICE(2,5,1)%>"},
  });
  cJSONScript s;
  EXPECT_EQ(s.ExecCommand(Num("1234.5")), "1234.5");
}

TEST_F(JSONScript, ElLimiteDeAnidamiento) {
  // The item and every array around the text are executions of their own:
  // 40 arrays and the text make 41, the deepest allowed.
  Salidas({
      {("[" + Anidado(40, "'x'") + "]").c_str(), "x"},
      {("[" + Anidado(41, "'x', 'y'") + "]").c_str(), (kExcedido + kExcedido).c_str()},
      {("[['a', " + Anidado(40, "'x'") + ", 'b'], 'c']").c_str(), ("a" + kExcedido + "bc").c_str()},
  });
}

TEST_F(JSONScript, GuionIlegibleMuestraElErrorDelParser) {
  cJSONScript s;
  EXPECT_EQ(s.Eval("'abc'"), "");
  EXPECT_EQ(s.Eval("[{set: {name: 'n', value: 'v'}}, tru]"), "");
  const auto mensajes = op->Mensajes();
  ASSERT_EQ(mensajes.size(), 2u);
  EXPECT_EQ(mensajes[0].texto, "Invalid JSON");
  EXPECT_EQ(mensajes[0].titulo, "Parser Error");
  EXPECT_EQ(mensajes[0].estilo, botones::OK + botones::Exclamacion);
  EXPECT_EQ(mensajes[1].texto, "Invalid Boolean at position 34 : tru]\r\n");
  // nothing of a rejected script runs
  EXPECT_EQ(s.Eval("[{get: {name: 'n', default: 'sin ejecutar'}}]"), "sin ejecutar");
}

TEST_F(JSONScript, ErroresDeEjecucionLleganAlLlamador) {
  const char* guiones[] = {
      "['a', {alert: 1}]",
      "[{set: {name: 'x', value: 'v'}}, {ok: null}]",
      "[{x: true}]",
      "[{return: {a: 1}}]",
      "[{return: ['a']}]",
      "[{switch: {case: 'a', default: 'd'}}]",
      "[{switch: {case: 'a', items: 'x'}}]",
      "[{switch: {case: 'a', items: ['x']}}]",
      "[{tag: {a: {b: 1}}}]",
      "[[{deep: {x: [1]}}]]",
      "{a: 'objeto en lugar de lista'}",
      "['a', 1]",
      "[false]",
  };
  for (const char* guion : guiones) {
    cJSONScript s;
    EXPECT_EQ(s.Eval(guion), "") << guion;
    EXPECT_EQ(s.UltimoError().numero, 13) << guion;
    EXPECT_FALSE(s.UltimoError().origen.empty()) << guion;
    EXPECT_EQ(s.Anidamiento(), 0) << guion;
    // the interpreter stays usable, and the error is cleared by the next call
    EXPECT_EQ(s.Eval("['sigue']"), "sigue") << guion;
    EXPECT_EQ(s.UltimoError().numero, 0) << guion;
  }
}

TEST_F(JSONScript, ExecCommandDeCadaClaseDeValor) {
  cJSONScript s;
  EXPECT_EQ(s.ExecCommand(Nul()), "null");
  EXPECT_EQ(s.ExecCommand(Vac()), "");
  EXPECT_EQ(s.ExecCommand(Txt("t")), "t");
  EXPECT_EQ(s.ExecCommand(Log(true)), "true");
  EXPECT_EQ(s.ExecCommand(Lis({Txt("a"), Num("1.50"), Obj({{"k", Txt("v")}})})), "a1.5<%K(v)%>");
  EXPECT_EQ(s.ExecCommand(Obj({{"x", Num("1")}})), "");
  EXPECT_EQ(s.UltimoError().numero, 13);
}

// A command executes only the members it uses: the branch of "if" that was
// not taken, the "default" of a "get" that found its variable and the
// "return" of the items that do not match never reach the operator, while
// the "default" of a "switch" is executed before the items are looked at.
TEST_F(JSONScript, SoloSeEjecutaLoQueElComandoUsa) {
  cJSONScript s;
  EXPECT_EQ(s.Eval("[{set: {name: 'v', value: 'hay'}}, {get: {name: 'v', default: {alert: {message: 'get'}}}}, "
                   "{if: {value1: 'a', value2: 'A', type: 'eq', true: 'si', false: {alert: {message: 'falso'}}}}, "
                   "{switch: {case: 'b', default: {alert: {message: 'default'}}, items: [{case: 'a', return: "
                   "{alert: {message: 'a'}}}, {case: 'B', return: 'B'}, {case: 'b', return: {alert: {message: "
                   "'otro b'}}}]}}]"),
            "haysiB");
  const auto mensajes = op->Mensajes();
  ASSERT_EQ(mensajes.size(), 1u);
  EXPECT_EQ(mensajes[0].texto, "default");
}
