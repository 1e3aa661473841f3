// The Qt operator lets events run at most once per interval: a row loop
// that asks after every row pays a clock reading between two rounds, and
// what was posted meanwhile runs at the next round.
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>

#include "sivlib/ventanas/OperadorQt.h"

namespace {

using namespace std::chrono_literals;

void Encolar(int& entregados) {
  QMetaObject::invokeMethod(qApp, [&entregados] { ++entregados; }, Qt::QueuedConnection);
}

TEST(RitmoEventos, ProcesaUnaVezPorIntervaloYLoPendienteEsperaALaSiguienteRonda) {
  OperadorQt op;
  EXPECT_EQ(op.IntervaloEventos(), OperadorQt::kIntervaloEventos);
  op.FijarIntervaloEventos(1h);
  int entregados = 0;
  Encolar(entregados);
  op.ProcesarEventos();
  EXPECT_EQ(entregados, 1) << "the first call runs what is pending";
  Encolar(entregados);
  for (int i = 0; i < 1000; ++i) op.ProcesarEventos();
  EXPECT_EQ(entregados, 1) << "within the interval nothing runs";
  op.FijarIntervaloEventos(0ms);
  op.ProcesarEventos();
  EXPECT_EQ(entregados, 2) << "the next round runs it";
}

}  // namespace
