#include <gtest/gtest.h>

#include <string>

#include "json/cStringBuilder.h"

TEST(cStringBuilder, NuevoEstaVacioConElTamanoDeTrozoPredeterminado) {
  cStringBuilder sb;
  EXPECT_EQ(sb.Length(), 0);
  EXPECT_EQ(sb.Capacity(), 0);
  EXPECT_EQ(sb.ChunkSize(), 8192);
  EXPECT_EQ(sb.toString(), "");
}

TEST(cStringBuilder, CreceEnTrozosEnteros) {
  struct Caso {
    size_t agregados;
    long capacidad;
  } casos[] = {{1, 8192}, {8192, 8192}, {8193, 16384}, {3 * 8192 + 5, 4 * 8192}};
  for (const auto& c : casos) {
    cStringBuilder sb;
    sb.Append(std::string(c.agregados, 'x'));
    EXPECT_EQ(sb.Length(), long(c.agregados));
    EXPECT_EQ(sb.Capacity(), c.capacidad) << c.agregados;
  }
}

TEST(cStringBuilder, AgregaEnPiezasConservandoElOrden) {
  cStringBuilder sb;
  sb.Append("uno");
  sb.AppendByVal(" dos");
  sb.AppendNL(" tres");
  sb.Append("cuatro");
  EXPECT_EQ(sb.toString(), "uno dos tres\r\ncuatro");
  EXPECT_EQ(sb.Length(), 20);
  EXPECT_EQ(sb.Capacity(), 8192);
}

TEST(cStringBuilder, InsertaAntesDeLaPosicionYAlFinal) {
  cStringBuilder sb;
  sb.Append("abcd");
  ASSERT_TRUE(sb.Insert(0, ">"));
  ASSERT_TRUE(sb.Insert(3, "-"));
  ASSERT_TRUE(sb.InsertByVal(sb.Length(), "<"));
  EXPECT_EQ(sb.toString(), ">ab-cd<");
}

TEST(cStringBuilder, InsertarTextoLargoCreceLosTrozosNecesarios) {
  cStringBuilder sb;
  sb.Append("ab");
  ASSERT_TRUE(sb.Insert(1, std::string(2 * 8192 + 10, 'x')));
  EXPECT_EQ(sb.Length(), 2 * 8192 + 12);
  EXPECT_EQ(sb.Capacity(), 3 * 8192);
  EXPECT_EQ(sb.toString().front(), 'a');
  EXPECT_EQ(sb.toString().back(), 'b');
}

TEST(cStringBuilder, QuitarMueveElRestoYConservaLaCapacidad) {
  cStringBuilder sb;
  sb.Append("0123456789");
  ASSERT_TRUE(sb.Remove(2, 3));
  EXPECT_EQ(sb.toString(), "0156789");
  ASSERT_TRUE(sb.Remove(0, sb.Length()));
  EXPECT_EQ(sb.toString(), "");
  EXPECT_EQ(sb.Capacity(), 8192);
}

TEST(cStringBuilder, PosicionesFueraDeRangoFallanConError9SinCambiarNada) {
  cStringBuilder sb;
  sb.Append("abc");
  EXPECT_FALSE(sb.Insert(4, "x"));
  EXPECT_EQ(sb.UltimoError().numero, 9);
  EXPECT_FALSE(sb.Insert(-1, "x"));
  EXPECT_FALSE(sb.Remove(4, 0));
  EXPECT_FALSE(sb.Remove(1, 3));
  EXPECT_EQ(sb.UltimoError().numero, 9);
  EXPECT_FALSE(sb.Remove(1, -1));
  EXPECT_EQ(sb.toString(), "abc");
  EXPECT_TRUE(sb.Remove(1, 2));
  EXPECT_EQ(sb.UltimoError().numero, 0);
  EXPECT_TRUE(sb.Insert(1, "x"));
  EXPECT_EQ(sb.toString(), "ax");
}

TEST(cStringBuilder, TamanoDeTrozoFueraDeLimitesSeRechaza) {
  cStringBuilder sb;
  EXPECT_FALSE(sb.ChunkSize(1L << 30));
  EXPECT_EQ(sb.UltimoError().numero, 6);
  EXPECT_FALSE(sb.ChunkSize(0));
  EXPECT_EQ(sb.UltimoError().numero, 5);
  EXPECT_EQ(sb.ChunkSize(), 8192);
  EXPECT_TRUE(sb.ChunkSize((1L << 30) - 1));
  EXPECT_TRUE(sb.ChunkSize(10));
  sb.Append(std::string(25, 'x'));
  EXPECT_EQ(sb.Capacity(), 30);
}

TEST(cStringBuilder, ReemplazarYVaciarLiberanElBuffer) {
  cStringBuilder sb;
  sb.Append(std::string(9000, 'x'));
  sb.TheString("corto");
  EXPECT_EQ(sb.toString(), "corto");
  EXPECT_EQ(sb.Capacity(), 16384);
  sb.TheString("");
  EXPECT_EQ(sb.Length(), 0);
  EXPECT_EQ(sb.Capacity(), 0);
  sb.Append("x");
  sb.Clear();
  EXPECT_EQ(sb.Length(), 0);
  EXPECT_EQ(sb.Capacity(), 0);
  EXPECT_EQ(sb.toString(), "");
}

TEST(cStringBuilder, BuscaDentroDelContenido) {
  cStringBuilder sb;
  sb.Append("abcABCabc");
  struct Caso {
    const char* buscado;
    long desde;
    ModoComparacion modo;
    long esperado;
  } casos[] = {
      {"c", 1, ModoComparacion::Binario, 3},   {"c", 4, ModoComparacion::Binario, 9},  // the last character
      {"C", 0, ModoComparacion::Binario, 6},                                           // below 1 searches from 1
      {"C", -5, ModoComparacion::Binario, 6},  {"abc", 2, ModoComparacion::Texto, 4},
      {"abc", 2, ModoComparacion::Binario, 7}, {"cx", 1, ModoComparacion::Binario, 0},  // would reach past the content
      {"c", 10, ModoComparacion::Binario, 0},  {"zz", 1, ModoComparacion::Texto, 0},
  };
  for (const auto& c : casos)
    EXPECT_EQ(sb.Find(c.buscado, c.desde, c.modo), c.esperado) << c.buscado << " desde " << c.desde;
}

TEST(cStringBuilder, NoEncuentraEnElEspacioSobrante) {
  cStringBuilder sb;
  sb.Append("abcabc");
  ASSERT_TRUE(sb.Remove(3, 3));
  EXPECT_EQ(sb.Find("abc", 2), 0);
  EXPECT_EQ(sb.Find("c"), 3);
}

TEST(cStringBuilder, HeapMinimizeDejaComoMuchoUnTrozoLibre) {
  cStringBuilder sb;
  sb.Append(std::string(5 * 8192, 'x'));
  ASSERT_TRUE(sb.Remove(0, 5 * 8192 - 100));
  sb.HeapMinimize();
  EXPECT_EQ(sb.Length(), 100);
  EXPECT_EQ(sb.Capacity(), 8192);
  sb.Append(std::string(8192, 'y'));
  EXPECT_EQ(sb.Capacity(), 16384);
  sb.HeapMinimize();
  EXPECT_EQ(sb.Capacity(), 16384);
  EXPECT_EQ(sb.toString(), std::string(100, 'x') + std::string(8192, 'y'));
}

TEST(cStringBuilder, CuentaCaracteresNoBytes) {
  cStringBuilder sb;
  sb.Append("año ñandú");
  EXPECT_EQ(sb.Length(), 9);
  ASSERT_TRUE(sb.Insert(2, "-"));
  EXPECT_EQ(sb.toString(), "añ-o ñandú");
  EXPECT_EQ(sb.Find("ú"), 10);
  ASSERT_TRUE(sb.Remove(4, 5));
  EXPECT_EQ(sb.toString(), "añ-oú");
  EXPECT_EQ(sb.Length(), 5);
}
