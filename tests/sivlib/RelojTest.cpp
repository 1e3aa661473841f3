// Every "now" of the program reads the one clock, which a test can set and move.
#include <gtest/gtest.h>

#include <chrono>

#include "sivlib/FechaHora.h"
#include "sivlib/Reloj.h"
#include "support/RelojDePrueba.h"

namespace {

using namespace std::chrono_literals;

TEST(Reloj, LaFechaDelProgramaEsLaDelRelojInstaladoYCruzaLaMedianoche) {
  const FechaHora antes = *FechaHora::DesdeTexto("31/12/2025 23:59:59");
  {
    RelojDePrueba prueba(antes);
    EXPECT_EQ(FechaHora::Ahora(), antes);
    EXPECT_EQ(reloj().Monotono(), Reloj::Instante{}) << "a machine just booted";
    prueba.Avanzar(2500ms);
    EXPECT_EQ(FechaHora::Ahora().Regional(), "01/01/2026 00:00:01") << "whole seconds";
    EXPECT_EQ(reloj().Monotono() - Reloj::Instante{}, 2500ms);
  }
  EXPECT_NE(FechaHora::Ahora().Regional(), "01/01/2026 00:00:01") << "the system's clock is back";
}

}  // namespace
