// The Qt operator lets events run at most once per interval: a row loop
// that asks after every row pays a clock reading between two rounds, and
// what was posted meanwhile runs at the next round. The clock is the test's:
// it starts at its epoch, as on a machine just booted.
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>

#include "sivlib/ventanas/OperadorQt.h"
#include "support/RelojDePrueba.h"

namespace {

using namespace std::chrono_literals;

void Encolar(int& entregados) {
  QMetaObject::invokeMethod(
      qApp, [&entregados] { ++entregados; }, Qt::QueuedConnection);
}

TEST(RitmoEventos, ProcesaUnaVezPorIntervaloYLoPendienteEsperaALaSiguienteRonda) {
  RelojDePrueba reloj;
  OperadorQt op;
  EXPECT_EQ(op.IntervaloEventos(), OperadorQt::kIntervaloEventos);
  int entregados = 0;
  Encolar(entregados);
  op.ProcesarEventos();
  EXPECT_EQ(entregados, 1) << "the first call runs what is pending, at the clock's epoch too";
  Encolar(entregados);
  reloj.Avanzar(OperadorQt::kIntervaloEventos - 1ms);
  for (int i = 0; i < 1000; ++i) op.ProcesarEventos();
  EXPECT_EQ(entregados, 1) << "within the interval nothing runs";
  reloj.Avanzar(1ms);
  op.ProcesarEventos();
  EXPECT_EQ(entregados, 2) << "the next round runs it";
}

TEST(RitmoEventos, SinIntervaloCadaLlamadaEsUnaRonda) {
  RelojDePrueba reloj;
  OperadorQt op;
  op.FijarIntervaloEventos(0ms);
  int entregados = 0;
  for (int i = 1; i <= 3; ++i) {
    Encolar(entregados);
    op.ProcesarEventos();
    EXPECT_EQ(entregados, i);
  }
}

}  // namespace
