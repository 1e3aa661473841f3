#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "TareaDePrueba.h"
#include "sivlib/ValoresGlobales.h"
#include "unifier/ventanas/FrmTareaProgramada.h"

namespace {

QLineEdit* Caja(QWidget& w, int indice) {
  for (auto* c : w.findChildren<QLineEdit*>("TxtFields"))
    if (c->property("Index").toInt() == indice) return c;
  return nullptr;
}

class FrmTareaProgramadaQt : public TareaDePrueba {};

TEST_F(FrmTareaProgramadaQt, MuestraLosControlesConSusTextos) {
  FrmTareaProgramada f;
  f.show();
  QApplication::processEvents();
  EXPECT_EQ(f.windowTitle(), "PROGRAMADOR DE TAREAS");
  EXPECT_EQ(Caja(f, 0)->text(), "UnificadorVorna");
  EXPECT_EQ(Caja(f, 3)->text(), "00:01");
  EXPECT_EQ(Caja(f, 3)->maxLength(), 5);
  EXPECT_TRUE(Caja(f, 3)->hasFocus()) << "the focus goes to the time box";
  EXPECT_EQ(f.findChild<QPushButton*>("CmdTareas")->text(), "&Abrir el programador de tareas de windows");
  EXPECT_EQ(f.findChild<QPushButton*>("CmdAceptar")->text(), "&Aceptar");
  EXPECT_EQ(f.findChild<QPushButton*>("CmdCancelar")->text(), "&Cancelar");
  EXPECT_EQ(f.findChildren<QLabel*>("Label3").size(), 4);
}

TEST_F(FrmTareaProgramadaQt, LaCajaConFocoTomaLosColoresYLaHoraFiltraTeclas) {
  gColorFondo = 0xFFFF00;  // red 0, green 255, blue 255
  gColorLetra = 0;
  FrmTareaProgramada f;
  f.show();
  QApplication::processEvents();
  QLineEdit* hora = Caja(f, 3);
  EXPECT_NE(hora->styleSheet().indexOf("#00ffff"), -1) << hora->styleSheet().toStdString();
  hora->clear();
  QTest::keyClicks(hora, "1a2:3x0");
  EXPECT_EQ(hora->text(), "12:30");
  Caja(f, 0)->setFocus();
  QApplication::processEvents();
  EXPECT_NE(hora->styleSheet().indexOf("#ffffff"), -1);
  gColorFondo = 0xFFFFFF;
}

TEST_F(FrmTareaProgramadaQt, HoraInvalidaDejaLaVentanaAbiertaYCancelarNoGuarda) {
  FrmTareaProgramada f;
  f.show();
  QApplication::processEvents();
  Caja(f, 3)->setText("99:99");
  Caja(f, 3)->textEdited("99:99");
  f.findChild<QPushButton*>("CmdAceptar")->click();
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(op->Mensajes().back().texto, "Corrija o ingrese una hora valida");
  f.findChild<QPushButton*>("CmdCancelar")->click();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(ValorGuardado("HORA_UNIFICADORVORNA"), " ");
}

}  // namespace
