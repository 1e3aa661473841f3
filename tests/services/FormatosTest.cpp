// Amounts and date patterns.
#include <gtest/gtest.h>

#include "services/FmtMoneda.h"
#include "services/FormatosFecha.h"
#include "sivlib/Regional.h"
#include "sivlib/ValoresGlobales.h"

namespace {

class Formatos : public ::testing::Test {
 protected:
  void SetUp() override {
    regional::FijarSeparadores(',', '.');
    regional::FijarDecimalesMoneda(3);
    gDecimalesMoneda.clear();
  }
  void TearDown() override {
    regional::Restablecer();
    gDecimalesMoneda.clear();
  }
};

TEST_F(Formatos, FmtMonedaCases) {
  struct Caso {
    const char* valor;
    int decimales;
    bool agrupado;
    const char* esperado;
  } casos[] = {
      {"1234,5", 2, false, "1234,50"},
      {"1234,5", 2, true, "1.234,50"},
      {"1234567,891", 2, true, "1.234.567,89"},
      {"2,5", -2, false, "2"},  // half to even
      {"3,5", -2, false, "4"},
      {"0,125", 2, false, "0,12"},
      {"0,135", 2, false, "0,14"},
      {"-2,5", -2, false, "-2"},
      {"-1234,567", 2, true, "-1.234,57"},
      {"-0,001", 2, false, "0,00"},
      {"12", 0, false, "12,000"},  // 0 takes the locale's currency decimals
      {"abc", 2, false, "0,00"},
      {"abc", -3, false, "abc"},
      {"  7,25xyz", -3, true, "  7,25xyz"},
      {"999", -2, true, "999"},
      {"1000", -2, true, "1.000"},
      {"1,23456", 6, false, "1,234600"},  // four decimals are all a value carries
  };
  for (const Caso& c : casos)
    EXPECT_EQ(FmtMoneda(c.valor, c.decimales, c.agrupado), c.esperado) << c.valor << " " << c.decimales;
}

TEST_F(Formatos, MinusOneTakesTheConfiguredDecimals) {
  gDecimalesMoneda = "1";
  EXPECT_EQ(FmtMoneda("2,25", -1, false), "2,2");
  gDecimalesMoneda = "";
  EXPECT_EQ(FmtMoneda("2,25", -1, false), "2,250") << "an empty setting reads 0: the locale's decimals";
  gDecimalesMoneda = " ";
  EXPECT_EQ(FmtMoneda("2,25", -1, false), "2,250") << "a blank setting falls back to the locale";
  gDecimalesMoneda = "-2";
  EXPECT_EQ(FmtMoneda("2,75", -1, false), "3");
}

TEST_F(Formatos, SeparatorsFollowTheRegionalSettings) {
  regional::FijarSeparadores('.', ',');
  EXPECT_EQ(FmtMoneda("1234.5", 2, true), "1,234.50");
  EXPECT_EQ(FmtMoneda("1234.5", 2, false), "1234.50");
}

TEST_F(Formatos, DatePatterns) {
  EXPECT_EQ(FormatoFechaHora(), "dd/mm/yy hh:mm");
  EXPECT_EQ(FormatoFecha(), "dd/mm/yy");
  EXPECT_EQ(FormatoHora(), "hh:mm");
  const FechaHora f{2024, 5, 3, 14, 7, 9};
  EXPECT_EQ(FormatearFecha(f, FormatoFechaHora()), "03/05/24 14:07");
  EXPECT_EQ(FormatearFecha(f, FormatoFecha()), "03/05/24");
  EXPECT_EQ(FormatearFecha(f, FormatoHora()), "14:07");
  EXPECT_EQ(FormatearFecha(f, "dd/mm/yyyy hh:mm:ss"), "03/05/2024 14:07:09");
  EXPECT_EQ(FormatearFecha(f, "mm:ss"), "07:09") << "mm before ss is minutes";
  EXPECT_EQ(FormatearFecha(f, "yyyymmdd"), "20240503");
}

}  // namespace
