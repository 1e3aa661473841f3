// The registration window in Qt, offscreen: its controls, its keys from
// any box, the modal use of a lookup, and a window that keeps answering
// while the master base is asked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "BaseArticulos.h"
#include "CajaQt.h"
#include "articles/BaseMaestra.h"
#include "articles/ventanas/FrmArtAlta.h"

namespace {

QString Proceso(QWidget& w) { return w.findChild<QLabel*>("LblProceso")->text(); }

class FrmArtAltaQt : public BaseArticulos {
 protected:
  // As the lookup leaves it: the next number in the barcode box, shown.
  void Mostrar(FrmArtAlta& f, const std::string& codigo = "1") {
    f.Modelo().DesdeConsulta = true;
    f.Modelo().Ventana().FijarTexto(f.Modelo().Caja("Codigo"), codigo);
    f.show();
    QApplication::processEvents();
  }
  // Typed as the operator does (the box tells the model).
  static void Escribir(QLineEdit* caja, const QString& texto) {
    caja->clear();
    QTest::keyClicks(caja, texto);
  }
};

TEST_F(FrmArtAltaQt, MuestraLosControlesConSusNombresYTextos) {
  FrmArtAlta f;
  Mostrar(f);
  EXPECT_EQ(f.objectName(), "FrmArtAlta");
  EXPECT_EQ(f.windowTitle(), "Articulos");
  EXPECT_EQ(f.findChild<QLabel*>("Label1")->text(), "El Articulo informado es inexistente...!");
  EXPECT_EQ(f.findChild<QPushButton*>("CmdMaestro")->text(), "[F7] Obtener de Base Maestra");
  EXPECT_EQ(f.findChild<QPushButton*>("CmdCancelar")->text(), "[ESC] &Cancelar");
  EXPECT_EQ(f.findChild<QPushButton*>("CmdAlta")->text(), "[F2] &Alta");
  EXPECT_EQ(f.findChild<QLabel*>("Label3")->text(), "Pulse ESC para cerrar esta pantalla. ");
  EXPECT_EQ(Proceso(f), "...");
  EXPECT_TRUE(f.findChild<QGroupBox*>("FramAlta")->isVisible());
  EXPECT_EQ(Caja(f, 0)->text(), "1");
  EXPECT_TRUE(Caja(f, 0)->hasFocus());
}

TEST_F(FrmArtAltaQt, SinAltaAutomaticaSoloQuedaElAviso) {
  Configurar(alta_articulo::kClaveAltaAutomatica, "NO");
  FrmArtAlta f;
  f.show();
  QApplication::processEvents();
  EXPECT_FALSE(f.findChild<QGroupBox*>("FramAlta")->isVisible());
  EXPECT_EQ(f.findChild<QPushButton*>("CmdAlta")->text(), "Aceptar");
  QTest::keyClick(&f, Qt::Key_F2);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(f.result(), QDialog::Accepted);
  EXPECT_TRUE(f.Modelo().pAceptar);
}

TEST_F(FrmArtAltaQt, F7DesdeLaCajaDelCodigoTraeLaDescripcionYPasaAlPrecio) {
  servidor.Responder(200, R"([{"Descripcion":"AGUA 500"}])");
  FrmArtAlta f;
  Mostrar(f);
  Escribir(Caja(f, 0), "7790001");
  QTest::keyClick(Caja(f, 0), Qt::Key_F7);
  EXPECT_EQ(Caja(f, 1)->text(), "AGUA 500");
  EXPECT_EQ(Proceso(f), "Correcto.");
  EXPECT_TRUE(Caja(f, 2)->hasFocus());
  EXPECT_EQ(servidor.Pedidos(), (std::vector<std::string>{"/ws/inicio.php?opcion=GetCodigo&codigo=7790001"}));
}

TEST_F(FrmArtAltaQt, MientrasEsperaLaVentanaRespondeYNoAceptaOtroComando) {
  servidor.Retener();
  Configurar(base_maestra::kClaveEspera, "2");
  FrmArtAlta f;
  Mostrar(f, "7790001");
  Caja(f, 1)->setFocus();
  // Runs from the wait's own event loop: only a window that answers gets here.
  bool atendida = false;
  QString proceso;
  bool botonesActivos = true;
  QTimer::singleShot(0, &f, [&] {
    atendida = true;
    proceso = Proceso(f);
    botonesActivos = f.findChild<QPushButton*>("CmdAlta")->isEnabled() ||
                     f.findChild<QPushButton*>("CmdMaestro")->isEnabled() ||
                     f.findChild<QPushButton*>("CmdCancelar")->isEnabled();
    QTest::keyClick(Caja(f, 1), Qt::Key_F2);
    QTest::keyClick(Caja(f, 1), Qt::Key_Escape);
    QTest::keyClick(Caja(f, 1), Qt::Key_F7);
    f.close();
  });
  QTest::keyClick(Caja(f, 1), Qt::Key_F7);
  EXPECT_TRUE(atendida);
  EXPECT_EQ(proceso, "Consultando Base Maestra...");
  EXPECT_FALSE(botonesActivos);
  EXPECT_TRUE(f.isVisible());
  EXPECT_FALSE(f.Modelo().pAceptar);
  EXPECT_EQ(servidor.Pedidos().size(), 1u);
  EXPECT_EQ(Proceso(f), "La Base Maestra no respondio en 2 segundos.");
  EXPECT_TRUE(f.findChild<QPushButton*>("CmdAlta")->isEnabled());
  EXPECT_TRUE(Caja(f, 1)->hasFocus());
  EXPECT_TRUE(Articulos().empty());
}

TEST_F(FrmArtAltaQt, ModalComoLoAbreLaConsultaF2RegistraYEscCancela) {
  FrmArtAlta f;
  f.Modelo().DesdeConsulta = true;
  f.Modelo().Ventana().FijarTexto(f.Modelo().Caja("Codigo"), "7790001");
  QTimer::singleShot(0, &f, [&] {
    Escribir(Caja(f, 1), "AGUA D'ORO");
    QTest::keyClick(Caja(f, 1), Qt::Key_F2);
  });
  EXPECT_EQ(f.exec(), QDialog::Accepted);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(f.Modelo().pAceptar);
  EXPECT_EQ(f.Modelo().CodArtNuevo, "1");
  EXPECT_EQ(Articulos().size(), 1u);

  // The same window again, left with Esc: the last number stays for the caller.
  QTimer::singleShot(0, &f, [&] { QTest::keyClick(Caja(f, 2), Qt::Key_Escape); });
  EXPECT_EQ(f.exec(), QDialog::Rejected);
  EXPECT_FALSE(f.Modelo().pAceptar);
  EXPECT_EQ(f.Modelo().CodArtNuevo, "1");
  EXPECT_EQ(Articulos().size(), 1u);
}

TEST_F(FrmArtAltaQt, CerrarDesdeLaBarraDeTituloEsCancelar) {
  FrmArtAlta f;
  Mostrar(f);
  f.Modelo().pAceptar = true;
  f.close();
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(f.Modelo().pAceptar);
  EXPECT_EQ(f.result(), QDialog::Rejected);
}

}  // namespace
