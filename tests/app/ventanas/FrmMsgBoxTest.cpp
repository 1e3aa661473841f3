// The timed message box, on the test's clock: it waits while the clock has
// not run its seconds, closes itself when it has, and its button closes it
// at once. Real time only bounds the test against a hang.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>

#include "app/ventanas/FrmMsgBox.h"
#include "support/RelojDePrueba.h"

namespace {

using namespace std::chrono_literals;

// Moves the test's clock by `paso` every few real milliseconds while the box
// is up, noting whether it was still shown before each move.
class RelojQueAvanza {
 public:
  RelojQueAvanza(FrmMsgBox& box, std::chrono::milliseconds paso) {
    QObject::connect(&timer_, &QTimer::timeout, [this, &box, paso] {
      if (box.isVisible()) visibleHasta_ = reloj_.Monotono() - Reloj::Instante{};
      reloj_.Avanzar(paso);
    });
    timer_.start(5);
  }
  std::chrono::milliseconds Transcurrido() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(reloj_.Monotono() - Reloj::Instante{});
  }
  // Clock reading at the last move made while the box was shown.
  std::chrono::nanoseconds VisibleHasta() const { return visibleHasta_; }

 private:
  RelojDePrueba reloj_;
  QTimer timer_;
  std::chrono::nanoseconds visibleHasta_{-1};
};

TEST(FrmMsgBox, MuestraTituloYMensajeYSeCierraSoloCuandoPasaLaEspera) {
  FrmMsgBox box;
  box.Mensaje = "YA SE ESTÁ EJECUTANDO";
  box.Titulo = "ATENCION";
  box.Espera = 10;
  RelojQueAvanza reloj(box, 250ms);
  QTimer::singleShot(60000, &box, [&] { box.findChild<QPushButton*>("CmdAceptar")->click(); });
  box.exec();
  EXPECT_LT(reloj.Transcurrido(), 60s) << "closed by itself, not by the guard against a hang";
  EXPECT_GE(reloj.VisibleHasta(), 9750ms) << "still shown a step before its ten seconds";
  EXPECT_GE(reloj.Transcurrido(), 10s);
  EXPECT_EQ(box.windowTitle(), "ATENCION");
  EXPECT_EQ(box.findChild<QLabel*>("LblMensaje")->text(), "YA SE ESTÁ EJECUTANDO");
  EXPECT_FALSE(box.isVisible());
}

TEST(FrmMsgBox, ElBotonCierraEnSeguidaDuranteLaEspera) {
  RelojDePrueba reloj;
  FrmMsgBox box;
  box.Espera = 30;
  QTimer::singleShot(200, &box, [&] { box.findChild<QPushButton*>("CmdAceptar")->click(); });
  QTimer::singleShot(60000, &box, [&] { reloj.Avanzar(1h); });  // against a hang
  box.exec();
  EXPECT_EQ(reloj.Monotono(), Reloj::Instante{}) << "closed while the box's clock stood still";
  EXPECT_FALSE(box.isVisible());
}

TEST(FrmMsgBox, SinEsperaSoloElBotonLoCierra) {
  FrmMsgBox box;
  box.Espera = 0;
  RelojQueAvanza reloj(box, 1h);
  bool seguiaAbierta = false;
  QTimer::singleShot(200, &box, [&] {
    seguiaAbierta = box.isVisible();
    box.findChild<QPushButton*>("CmdAceptar")->click();
  });
  box.exec();
  EXPECT_TRUE(seguiaAbierta);
  EXPECT_GE(reloj.Transcurrido(), 1h) << "hours went by on the clock";
}

}  // namespace
