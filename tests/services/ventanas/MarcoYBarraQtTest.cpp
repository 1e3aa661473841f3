// The window frame and the keyed status bar on real Qt widgets (offscreen).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include "services/ventanas/BarraEstadoQt.h"
#include "services/ventanas/MarcoVentanaQt.h"
#include "sivlib/ValoresGlobales.h"
#include "support/CarpetaPrueba.h"

namespace {

QToolBar* Barra(QMainWindow& w, const char* nombre) {
  auto* b = w.addToolBar(nombre);
  b->setObjectName(nombre);
  b->addAction("GRABAR");
  return b;
}

TEST(MarcoVentanaQt, IconFromTheProgramsResourceAndFlatToolbars) {
  OperadorDePrueba op;
  QMainWindow w;
  w.setObjectName("frmInterfaceVorna");
  QToolBar* barrix = Barra(w, "Barrix1");
  QToolBar* otra = Barra(w, "Otra");
  gBarrasPlanas = 1;
  AplicarMarcoVentana(w);
  EXPECT_FALSE(w.windowIcon().isNull());
  EXPECT_FALSE(w.windowIcon().pixmap(32, 32).isNull());
  EXPECT_EQ(barrix->property("StyleBar").toInt(), 1);
  for (QToolButton* b : barrix->findChildren<QToolButton*>()) EXPECT_TRUE(b->autoRaise());
  EXPECT_FALSE(otra->property("StyleBar").isValid()) << "only the code base's toolbars are styled";
  gBarrasPlanas = 0;
}

TEST(MarcoVentanaQt, MdiFrameKeepsItsToolbars) {
  OperadorDePrueba op;
  QMainWindow w;
  w.setObjectName("FrmMDI");
  QToolBar* barrix = Barra(w, "Barrix1");
  gBarrasPlanas = 1;
  AplicarMarcoVentana(w);
  EXPECT_FALSE(w.windowIcon().isNull());
  EXPECT_FALSE(barrix->property("StyleBar").isValid());
  gBarrasPlanas = 0;
}

TEST(MarcoVentanaQt, IconFileOfTheCurrentFolderWhenNoResource) {
  CarpetaPrueba dir;
  QWidget w;
  MarcoVentanaQt marco(w, "frmX");
  const QString previa = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(dir.Ruta()));
  EXPECT_FALSE(marco.CargarIconoArchivo("praxel.ico")) << "no file";
  EscribirArchivo(dir / "praxel.ico", "no es una imagen");
  EXPECT_FALSE(marco.CargarIconoArchivo("praxel.ico")) << "unreadable";
  EXPECT_FALSE(marco.TieneIcono());
  EXPECT_FALSE(marco.FijarIconoRecurso("NO_EXISTE"));
  EXPECT_FALSE(marco.TieneIcono());
  // An image file beside the program serves when the resource is missing.
  QWidget otra;
  MarcoVentanaQt(otra).FijarIconoRecurso("ICONPRAXEL");
  QFile recurso(":/ICONPRAXEL");
  ASSERT_TRUE(recurso.open(QIODevice::ReadOnly));
  EscribirArchivo(dir / "praxel.ico", recurso.readAll().toStdString());
  EXPECT_TRUE(marco.CargarIconoArchivo("praxel.ico"));
  EXPECT_TRUE(marco.TieneIcono());
  QDir::setCurrent(previa);
}

TEST(BarraEstadoQt, PanelsByKey) {
  BarraEstadoQt barra;
  EXPECT_TRUE(barra.TienePanel("server"));
  EXPECT_FALSE(barra.TienePanel("OTRO"));
  barra.FijarTexto("MENSAJE", "Listo");
  barra.FijarAyuda("SERVER", "Srv: x");
  barra.FijarTexto("OTRO", "nada");
  EXPECT_EQ(barra.Texto("MENSAJE"), "Listo");
  EXPECT_EQ(barra.Panel("SERVER")->toolTip().toStdString(), "Srv: x");
  EXPECT_EQ(barra.Texto("OTRO"), "");
  EXPECT_EQ(barra.findChildren<QLabel*>().size(), 6);
}

}  // namespace
