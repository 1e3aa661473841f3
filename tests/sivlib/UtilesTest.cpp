#include <gtest/gtest.h>

#include "sivlib/Regional.h"
#include "sivlib/Utiles.h"
#include "sivlib/Variant.h"

namespace {

struct SeparadorComa {
  SeparadorComa() { regional::FijarSeparadores(',', '.'); }
  ~SeparadorComa() { regional::Restablecer(); }
};

TEST(Utiles, ValorNumericoLeeElNumeroInicial) {
  struct Caso {
    const char* texto;
    double esperado;
  };
  const Caso casos[] = {
      {"12", 12}, {"12abc", 12}, {"  -3.5", -3.5}, {"abc", 0}, {"", 0},        {"1.23456", 1.2346},
      {"+7.", 7}, {".5", 0.5},   {"-", 0},         {"1 2", 1}, {"0.00004", 0}, {"2.00005", 2.0001},
  };
  for (const auto& c : casos) EXPECT_DOUBLE_EQ(ValorNumerico(c.texto), c.esperado) << c.texto;
}

TEST(Utiles, ValorNumericoAceptaElSeparadorRegional) {
  SeparadorComa coma;
  EXPECT_DOUBLE_EQ(ValorNumerico("3,25"), 3.25);
  EXPECT_DOUBLE_EQ(ValorNumerico("3.25"), 3.25);
  EXPECT_DOUBLE_EQ(ValorNumerico("1.234,5"), 1.234);
}

TEST(Utiles, ValorEnteroTruncaYLimitaA32Bits) {
  EXPECT_EQ(ValorEntero("42.9xyz"), 42);
  EXPECT_EQ(ValorEntero("-42.9"), -42);
  EXPECT_EQ(ValorEntero("99999999999"), 2147483647);
  EXPECT_EQ(ValorEntero("x"), 0);
}

TEST(Utiles, ValSaltaBlancosEnCualquierLugar) {
  EXPECT_DOUBLE_EQ(Val(" 1 2 3"), 123);
  EXPECT_DOUBLE_EQ(Val("12abc"), 12);
  EXPECT_DOUBLE_EQ(Val("abc"), 0);
  EXPECT_DOUBLE_EQ(Val("\t-4.5e1x"), -45);
  EXPECT_DOUBLE_EQ(Val("1,5"), 1);
}

TEST(Utiles, FormatearCodigoAlineaALaDerecha) {
  EXPECT_EQ(FormatearCodigo("1", 4), "   1");
  EXPECT_EQ(FormatearCodigo("  12 ", 4), "  12");
  EXPECT_EQ(FormatearCodigo("123456", 4), "123456");
  EXPECT_EQ(FormatearCodigo("", 3), "   ");
}

TEST(Utiles, CifrarEsReversibleYDescifrarAceptaTextoPlano) {
  for (const char* t : {"", "Praxel", "trivane", "con ñ y | raros ;=", "~no hex"}) {
    EXPECT_EQ(Descifrar(Cifrar(t)), t);
    EXPECT_NE(Cifrar(t), std::string(t));
  }
  EXPECT_EQ(Descifrar("Praxel"), "Praxel");
  EXPECT_EQ(Descifrar("~ZZ"), "~ZZ");
}

TEST(Utiles, ConBarraFinalDejaUnaSolaBarra) {
  EXPECT_EQ(ConBarraFinal("/datos"), "/datos/");
  EXPECT_EQ(ConBarraFinal("/datos/"), "/datos/");
  EXPECT_EQ(ConBarraFinal("/datos//"), "/datos/");
  EXPECT_EQ(ConBarraFinal("C:\\Datos\\"), "C:\\Datos\\");
  EXPECT_EQ(ConBarraFinal("/"), "/");
  EXPECT_EQ(ConBarraFinal(""), "");
}

TEST(Utiles, TextosVarios) {
  EXPECT_EQ(Recortar("abcdef", 3), "abc");
  EXPECT_EQ(Recortar("ab", 3), "ab");
  EXPECT_EQ(Recortar("ab", 0), "");
  EXPECT_EQ(Recortar("ñandú", 4), "ñand");
  EXPECT_EQ(ContarPalabras("  uno\tdos\r\ntres "), 3);
  EXPECT_EQ(ContarPalabras("   "), 0);
  EXPECT_EQ(QuitarCaracteres("a=b|c=d", "=", "|"), "abcd");
  EXPECT_TRUE(EstaEnLista("codigo", {"Codigo", "Cuenta"}));
  EXPECT_FALSE(EstaEnLista("IdX", {"Codigo", "Cuenta"}));
  EXPECT_EQ(SinNulo(Variant::Nulo()), "");
}

TEST(Variant, TextoDeNumerosYFechas) {
  regional::FijarSeparadores('.', ',');  // put back by SeparadorComa below
  EXPECT_EQ(Variant(12.5).Texto(), "12.5");
  EXPECT_EQ(Variant(0.1 + 0.2).Texto(), "0.3");
  EXPECT_EQ(Variant(1e14).Texto(), "100000000000000");
  EXPECT_EQ(Variant(-3).Texto(), "-3");
  SeparadorComa coma;
  EXPECT_EQ(Variant(12.5).Texto(), "12,5");
  FechaHora f;
  f.anio = 2026;
  f.mes = 12;
  f.dia = 9;
  EXPECT_EQ(Variant(f).Texto(), "09/12/2026");
}

}  // namespace

TEST(Variant, TextoDeNumeroConQuinceCifras) {
  EXPECT_EQ(TextoDeNumero(1.0 / 3, '.'), "0.333333333333333");
  EXPECT_EQ(TextoDeNumero(0.00001234, '.'), "0.00001234");
  EXPECT_EQ(TextoDeNumero(-2.5, ','), "-2,5");
  EXPECT_EQ(TextoDeNumero(123456789012345.0, '.'), "123456789012345");
}
