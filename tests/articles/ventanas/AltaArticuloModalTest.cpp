// The registration window as a lookup opens it: modal, kept while nothing
// is registered, closed after a registration.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "BaseArticulos.h"
#include "CajaQt.h"
#include "articles/ventanas/AltaArticuloModal.h"
#include "articles/ventanas/FrmArtAlta.h"

namespace {

class AltaArticuloModal : public BaseArticulos {
 protected:
  // What the operator does in the window once it shows.
  void AlMostrarse(std::function<void(FrmArtAlta&)> accion) {
    QTimer::singleShot(0, [this, accion] {
      ventana = qobject_cast<FrmArtAlta*>(QApplication::activeModalWidget());
      if (ventana) accion(*ventana);
      else ADD_FAILURE() << "no modal registration window";
    });
  }
  QPointer<FrmArtAlta> ventana;
};

TEST_F(AltaArticuloModal, CancelarDejaLaVentanaYAltaDevuelveElNumeroYLaCierra) {
  AlMostrarse([](FrmArtAlta& f) {
    EXPECT_TRUE(f.Modelo().DesdeConsulta);
    EXPECT_EQ(Caja(f, 0)->text(), "41");
    QTest::keyClicks(Caja(f, 1), "AGUA");
    QTest::keyClick(Caja(f, 1), Qt::Key_Escape);
  });
  EXPECT_EQ(AbrirAltaArticulo("41"), "");
  ASSERT_TRUE(ventana);
  EXPECT_FALSE(ventana->isVisible());

  QPointer<FrmArtAlta> primera = ventana;
  AlMostrarse([](FrmArtAlta& f) {
    EXPECT_EQ(Caja(f, 0)->text(), "1");
    EXPECT_EQ(Caja(f, 1)->text(), "AGUA");  // left there by the operator
    QTest::keyClick(Caja(f, 1), Qt::Key_F2);
  });
  EXPECT_EQ(AbrirAltaArticulo("1"), "1");
  EXPECT_EQ(ventana, primera);
  QApplication::processEvents();
  EXPECT_TRUE(primera.isNull()) << "closed after the registration";
  EXPECT_EQ(Articulos(), (Filas{{Id25("1"), "1", "AGUA", "   1", "0", "0", "0", "0"}}));

  AlMostrarse([](FrmArtAlta& f) {
    EXPECT_EQ(Caja(f, 1)->text(), "");        // a new window
    QTest::keyClick(Caja(f, 1), Qt::Key_F2);  // no description: nothing registered
  });
  EXPECT_EQ(AbrirAltaArticulo("2"), "");
  EXPECT_NE(ventana, primera);
  delete ventana;  // the kept window goes with the test
}

}  // namespace
