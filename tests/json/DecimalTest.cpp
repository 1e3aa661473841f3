#include <gtest/gtest.h>

#include "json/Decimal.h"

TEST(Decimal, LeeYEscribeExacto) {
  struct Caso {
    const char* texto;
    const char* esperado;
  } casos[] = {
      {"0", "0"},
      {"-0", "0"},
      {"+5", "5"},
      {"1.50", "1.5"},
      {".5", "0.5"},
      {"5.", "5"},
      {"-0.25", "-0.25"},
      {"1e5", "100000"},
      {"1.5E3", "1500"},
      {"25e-3", "0.025"},
      {"0.1", "0.1"},
      {"12345678901234567890.12345678", "12345678901234567890.12345678"},
      {"9999999999999999999999999999", "9999999999999999999999999999"},
      // beyond 28 significant digits or 28 decimals: rounded half to even
      {"1.0000000000000000000000000005", "1"},
      {"1.0000000000000000000000000015", "1.000000000000000000000000002"},
      {"0.00000000000000000000000000005", "0"},
      {"0.00000000000000000000000000006", "0.0000000000000000000000000001"},
      {"1e-400", "0"},
  };
  for (const auto& c : casos) {
    ErrorSistema e;
    auto d = Decimal::DesdeTexto(c.texto, '.', &e);
    ASSERT_TRUE(d.has_value()) << c.texto << ": " << e.descripcion;
    EXPECT_EQ(d->Texto(), c.esperado) << c.texto;
  }
}

TEST(Decimal, RechazaLoQueNoEsNumero) {
  struct Caso {
    const char* texto;
    long numero;
  } casos[] = {{"", 13},
               {"-", 13},
               {"1-2", 13},
               {"1.2.3", 13},
               {"e5", 13},
               {"1e", 13},
               {"1e+", 13},
               {"--1", 13},
               {".", 13},
               {"1,5", 13},
               {"1e28", 6},
               {"10000000000000000000000000000", 6},
               {"1e99999999999999", 6}};
  for (const auto& c : casos) {
    ErrorSistema e;
    EXPECT_FALSE(Decimal::DesdeTexto(c.texto, '.', &e).has_value()) << c.texto;
    EXPECT_EQ(e.numero, c.numero) << c.texto;
  }
}

TEST(Decimal, SeparadorRegionalComoMarcaDecimal) {
  EXPECT_EQ(Decimal::DesdeTexto("2,5", ',')->Texto(), "2.5");
  EXPECT_EQ(Decimal::DesdeTexto("2.5", ',')->Texto(','), "2,5");
  EXPECT_EQ(Decimal::DesdeTexto("-0.05", '.')->Texto(','), "-0,05");
}

TEST(Decimal, IgualdadPorValor) {
  EXPECT_EQ(*Decimal::DesdeTexto("1.500", '.'), *Decimal::DesdeTexto("15e-1", '.'));
  EXPECT_EQ(*Decimal::DesdeTexto("-12", '.'), Decimal::DesdeEntero(-12));
  EXPECT_DOUBLE_EQ(Decimal::DesdeTexto("2.25", '.')->ADouble(), 2.25);
}
