#include "unifier/CodigosKivo.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct Caso {
  const char* entrada;
  const char* esperado;
};

TEST(CodigosKivo, ProvinciaTraduceCadaCodigoDelErp) {
  const Caso casos[] = {
      {"02", "1"},
      {"26", "1"},
      {"01", "2"},
      {"04", "3"},
      {"09", "4"},
      {"03", "5"},
      {"10", "5"},
      {"11", "6"},
      {"05", "7"},
      {"21", "8"},
      {"06", "10"},
      {"18", "11"},
      {"25", "12"},
      {"16", "13"},
      {"19", "14"},
      {"15", "15"},
      {"20", "16"},
      {"13", "17"},
      {"14", "18"},
      {"12", "19"},
      {"24", "20"},
      {"17", "21"},
      {"07", "22"},
      {"23", "23"},
      {"08", "24"},
      // Compared as texts, exactly: no leading zero added, no trimming.
      {"", ""},
      {"1", ""},
      {"2", ""},
      {"22", ""},
      {"27", ""},
      {"00", ""},
      {" 02", ""},
      {"02 ", ""},
      {"2.0", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(ProvinciaSegunKIVO(c.entrada), c.esperado) << "'" << c.entrada << "'";
}

TEST(CodigosKivo, NingunaProvinciaDelErpDaNueve) {
  for (int i = 0; i < 100; ++i) {
    char codigo[4];
    std::snprintf(codigo, sizeof codigo, "%02d", i);
    EXPECT_NE(ProvinciaSegunKIVO(codigo), "9") << codigo;
  }
}

TEST(CodigosKivo, CondicionIvaTraduceCadaCodigoDelErp) {
  const Caso casos[] = {
      {"6", "1"}, {"4", "2"}, {"3", "3"}, {"1", "4"}, {"5", "5"},  {"2", "6"}, {"", ""},
      {"7", ""},  {"0", ""},  {"01", ""}, {" 1", ""}, {"1.0", ""}, {"RI", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(CondIvaSegunKIVO(c.entrada), c.esperado) << "'" << c.entrada << "'";
}

TEST(CodigosKivo, AlicuotaAceptaPuntoOComaYDaCeroCeroCeroSeisSiNoLaConoce) {
  const Caso casos[] = {
      {"5", "0008"},    {"21", "0005"},  {"10.5", "0004"}, {"10,5", "0004"}, {"2.5", "0009"},
      {"2,5", "0009"},  {"0", "0003"},   {"27", "0006"},   {"", "0006"},     {"10.50", "0006"},
      {"21.0", "0006"}, {" 21", "0006"}, {"05", "0006"},   {"0.0", "0006"},  {"abc", "0006"},
  };
  for (const auto& c : casos) EXPECT_EQ(CodAlicuota(c.entrada), c.esperado) << "'" << c.entrada << "'";
}

}  // namespace
