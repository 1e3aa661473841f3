// The list lookup's compact rows: cells of any length come back as stored,
// across blocks and after a change, and the search ignores case also in
// the accented letters of the ERP's code page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookup/FilasConsulta.h"

namespace {

TEST(FilasConsulta, LasCeldasVuelvenComoSeGuardaron) {
  FilasConsulta f;
  f.Vaciar(3);
  const std::vector<std::string> largas = {std::string(127, 'a'), std::string(128, 'b'), std::string(20000, 'c')};
  const std::vector<std::string> raras = {"", std::string("x\0y", 3), "ñandú"};
  f.Agregar(largas, 2);
  f.Agregar(raras);
  f.Agregar(std::vector<std::string>{"solo una"});
  // A row larger than a block gets one of its own.
  f.Agregar(std::vector<std::string>{std::string(3 << 20, 'z'), "fin", ""});
  for (int i = 0; i < 20000; ++i) f.Agregar(std::vector<std::string>{"fila " + std::to_string(i), "", "x"});
  ASSERT_EQ(f.Cantidad(), 20004u);
  for (size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(f.Celda(0, c), largas[c]) << c;
    EXPECT_EQ(f.Celda(1, c), raras[c]) << c;
  }
  EXPECT_EQ(f.Celda(2, 0), "solo una");
  EXPECT_EQ(f.Celda(2, 2), "");
  EXPECT_EQ(f.Celda(3, 0).size(), size_t(3 << 20));
  EXPECT_EQ(f.Celda(3, 1), "fin");
  EXPECT_EQ(f.Celda(20003, 0), "fila 19999");
  EXPECT_EQ(f.Nivel(0), 2);
  EXPECT_EQ(f.Celda(99999, 0), "") << "no such row";

  f.FijarCelda(1, 1, "3.0");
  f.FijarCelda(1, 0, f.Celda(1, 2));
  EXPECT_EQ(f.Celda(1, 0), "ñandú");
  EXPECT_EQ(f.Celda(1, 1), "3.0");
  f.Marcar(0, true);
  EXPECT_TRUE(f.Marcada(0));
  EXPECT_EQ(f.Nivel(0), 2) << "the mark keeps the level";
}

TEST(FilasConsulta, BuscarIgnoraMayusculasYBlancosEnElOrdenDeLaLista) {
  FilasConsulta f;
  f.Vaciar(1);
  for (const char* t : {"  ÑANDU", "cafe", "CAFÉ", "Éter", "café con leche"}) f.Agregar(std::vector<std::string>{t});
  struct Caso {
    const char* prefijo;
    size_t posicion;
  };
  const Caso casos[] = {{"ñan", 0}, {"CAF", 1}, {"café", 2}, {"CAFÉ C", 4}, {"éTER", 3}, {"te", FilasConsulta::npos},
                        {"", 0}};
  for (const Caso& c : casos) EXPECT_EQ(f.Buscar(0, c.prefijo), c.posicion) << c.prefijo;
  f.Ordenar(0, true);
  EXPECT_EQ(f.Celda(f.EnPosicion(f.Buscar(0, "caf")), 0), "café con leche");
  EXPECT_EQ(f.PosicionDe(0), f.Buscar(0, "ñ"));
}

}  // namespace
