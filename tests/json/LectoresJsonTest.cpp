#include <gtest/gtest.h>

#include "ArbolPrueba.h"
#include "json/Json.h"

using namespace arbol;

namespace {

// The readers append to the error text without clearing it.
void SinErrores() { JSON::ParsearJson("[]"); }

}  // namespace

TEST(LectoresJson, DejanLaPosicionTrasLoLeido) {
  SinErrores();
  long p = 1;
  JSON::SaltarBlancos("  /* x */ (a", p);
  EXPECT_EQ(p, 12);

  p = 2;
  EXPECT_EQ(JSON::LeerNumero("x 12.5,", p), Num("12.5"));
  EXPECT_EQ(p, 7);

  p = 1;
  EXPECT_EQ(JSON::LeerLogico("false]", p), Log(false));
  EXPECT_EQ(p, 6);

  p = 1;
  EXPECT_EQ(JSON::LeerClave("  'a b' : 1", p), "ab");
  EXPECT_EQ(p, 10);

  p = 2;
  EXPECT_EQ(JSON::LeerCadena("é'ñ'x", p), Txt("ñ"));
  EXPECT_EQ(p, 5);

  p = 3;
  EXPECT_EQ(JSON::LeerValor("x:{a:[1]}!", p), Obj({{"a", Lis({Num("1")})}}));
  EXPECT_EQ(p, 10);
  EXPECT_EQ(JSON::ErroresJson(), "");
}

TEST(LectoresJson, LiteralesInvalidosNoMuevenLaPosicion) {
  SinErrores();
  long p = 1;
  EXPECT_TRUE(JSON::LeerNulo("nada", p).EsVacio());
  EXPECT_EQ(p, 1);
  p = 1;
  EXPECT_EQ(JSON::LeerLogico(" tarde", p), Log(false));
  EXPECT_EQ(p, 2);
  EXPECT_EQ(JSON::ErroresJson(),
            "Invalid null value at position 1 : nada\r\nInvalid Boolean at position 2 : tarde\r\n");
}

TEST(LectoresJson, LectoresDeColeccionRechazanOtroComienzo) {
  SinErrores();
  long p = 1;
  // the object quotes the whole rest of the text, the array only the next 20 characters
  EXPECT_EQ(JSON::LeerObjeto("x: abcdefghijklmnopqrstuvwxyz", p), Obj({}));
  p = 1;
  EXPECT_EQ(JSON::LeerLista("  abcdefghijklmnopqrstuvwxyz", p), Lis({}));
  EXPECT_EQ(JSON::ErroresJson(),
            "Invalid Object at position 1 : x: abcdefghijklmnopqrstuvwxyz\r\n"
            "Invalid Array at position 3 : abcdefghijklmnopqrst\r\n");
}

TEST(LectoresJson, ConversionFallidaLlegaAlLlamador) {
  SinErrores();
  long p = 1;
  ErrorSistema fallo;
  EXPECT_TRUE(JSON::LeerValor("1-2", p, &fallo).EsVacio());
  EXPECT_EQ(fallo.numero, 13);
  p = 1;
  ErrorSistema ninguno;
  EXPECT_TRUE(JSON::LeerNumero("", p, &ninguno).EsVacio());  // nothing left to read
  EXPECT_EQ(ninguno.numero, 0);
}
