#include <gtest/gtest.h>

#include "sivlib/FechaHora.h"

TEST(FechaHora, LeeTextosRegionalesEIso) {
  struct Caso {
    const char* texto;
    const char* iso;
  };
  const Caso validos[] = {
      {"09/12/2026", "2026-12-09"}, {"9/1/2026", "2026-01-09"},
      {"29/02/2024", "2024-02-29"}, {"08/12/2024 15:30:12", "2024-12-08 15:30:12"},
      {"01/01/16", "2016-01-01"},   {"2026-12-09 07:05:00", "2026-12-09 07:05:00"},
      {"31-12-1999", "1999-12-31"},
  };
  for (const auto& c : validos) {
    auto f = FechaHora::DesdeTexto(c.texto);
    ASSERT_TRUE(f) << c.texto;
    EXPECT_EQ(f->Iso(), c.iso) << c.texto;
  }
  for (const char* t : {"", "31/02/2024", "29/02/2023", "12/13/2024", "ab/cd/efgh", "1/1/1", "01/01/2024 25:00"})
    EXPECT_FALSE(FechaHora::DesdeTexto(t)) << t;
}

TEST(FechaHora, SerialYAritmeticaDeDias) {
  auto f = *FechaHora::DesdeTexto("01/03/2024 12:00:00");
  EXPECT_EQ(f.MasDias(-1).SoloFecha(), "29/02/2024");
  EXPECT_EQ(FechaHora::DesdeSerial(f.Serial()), f);
  EXPECT_DOUBLE_EQ(FechaHora::DesdeTexto("31/12/1899")->Serial(), 1.0);
  EXPECT_EQ(f.Formato("yyyymmdd"), "20240301");
  EXPECT_EQ(f.Regional(), "01/03/2024 12:00:00");
}
