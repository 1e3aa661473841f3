#include <gtest/gtest.h>

#include "sivlib/Texto.h"

TEST(Texto, ReemplazaSinCasoTodasLasApariciones) {
  EXPECT_EQ(texto::ReemplazarSinCaso("a TOP b top c", "top ", "X"), "a Xb Xc");
  EXPECT_EQ(texto::ReemplazarSinCaso("aaa", "aa", "a"), "aa");
  EXPECT_EQ(texto::BuscarSinCaso("xx@ADMIN_y", "@admin_"), 2u);
}

TEST(Texto, PliegaLasLetrasAcentuadas) {
  EXPECT_EQ(texto::Mayusculas("ñandú é"), "ÑANDÚ É");
  EXPECT_EQ(texto::Minusculas("ÑANDÚ ×"), "ñandú ×");
  EXPECT_TRUE(texto::IgualesSinCaso("Peña", "PEÑA"));
  EXPECT_FALSE(texto::IgualesSinCaso("Pena", "PEÑA"));
  EXPECT_EQ(texto::BuscarSinCaso("la PEÑA azul", "peña"), 3u);
  EXPECT_EQ(texto::ReemplazarSinCaso("Año año", "AÑO", "x"), "x x");
}
