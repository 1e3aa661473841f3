#include <gtest/gtest.h>

#include "sivlib/Texto.h"

TEST(Texto, ReemplazaSinCasoTodasLasApariciones) {
  EXPECT_EQ(texto::ReemplazarSinCaso("a TOP b top c", "top ", "X"), "a Xb Xc");
  EXPECT_EQ(texto::ReemplazarSinCaso("aaa", "aa", "a"), "aa");
  EXPECT_EQ(texto::BuscarSinCaso("xx@ADMIN_y", "@admin_"), 2u);
}
