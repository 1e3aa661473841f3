#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/ventanas/FrmMsgBox.h"

namespace {

TEST(FrmMsgBox, MuestraTituloYMensajeYSeCierraSolo) {
  FrmMsgBox box;
  box.Mensaje = "YA SE ESTÁ EJECUTANDO";
  box.Titulo = "ATENCION";
  box.Espera = 1;
  QElapsedTimer reloj;
  reloj.start();
  box.exec();
  EXPECT_GE(reloj.elapsed(), 950);
  EXPECT_LT(reloj.elapsed(), 5000);
  EXPECT_EQ(box.windowTitle(), "ATENCION");
  EXPECT_EQ(box.findChild<QLabel*>("LblMensaje")->text(), "YA SE ESTÁ EJECUTANDO");
  EXPECT_FALSE(box.isVisible());
}

TEST(FrmMsgBox, ElBotonCierraEnSeguidaDuranteLaEspera) {
  FrmMsgBox box;
  box.Espera = 30;
  QTimer::singleShot(200, &box, [&] { box.findChild<QPushButton*>("CmdAceptar")->click(); });
  QElapsedTimer reloj;
  reloj.start();
  box.exec();
  EXPECT_LT(reloj.elapsed(), 3000);
}

TEST(FrmMsgBox, SinEsperaSoloElBotonLoCierra) {
  FrmMsgBox box;
  box.Espera = 0;
  bool seguiaAbierta = false;
  QTimer::singleShot(1200, &box, [&] {
    seguiaAbierta = box.isVisible();
    box.findChild<QPushButton*>("CmdAceptar")->click();
  });
  box.exec();
  EXPECT_TRUE(seguiaAbierta);
}

}  // namespace
