#include "VentanaDePrueba.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "demo/GeneradorDemo.h"
#include "unifier/ventanas/BarraBarrix.h"

void VentanaDePrueba::TearDown() {
  ventana.reset();
  ConBaseSqlite::TearDown();
}

void VentanaDePrueba::UsarBaseDemo() {
  std::filesystem::create_directories(destino);
  demo::ParametrosDemo p = demo::ParametrosDeTamano(400, 60, 20, 4, 10);
  p.destino = destino;
  const std::string demoDb = carpeta / "demo.sqlite";
  std::string error;
  ASSERT_TRUE(demo::GenerarBaseDemo(demoDb, p, nullptr, &error)) << error;
  Abrir(demoDb);
  base = demoDb;
}

VentanaInterfaceVorna& VentanaDePrueba::Mostrar() {
  ventana = std::make_unique<VentanaInterfaceVorna>();
  ventana->AlTerminar = [this] { ++terminaciones; };
  ventana->show();
  ventana->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
  QApplication::processEvents();
  return *ventana;
}

QLineEdit* VentanaDePrueba::Caja(int indice) const {
  for (QLineEdit* c : ventana->findChildren<QLineEdit*>("TxtFields"))
    if (c->property("Index").toInt() == indice) return c;
  ADD_FAILURE() << "no TxtFields(" << indice << ")";
  return nullptr;
}

QCheckBox* VentanaDePrueba::Casilla(const char* nombre) const {
  auto* c = ventana->findChild<QCheckBox*>(nombre);
  EXPECT_NE(c, nullptr) << nombre;
  return c;
}

QLabel* VentanaDePrueba::Etiqueta(const char* nombre, int indice) const {
  for (QLabel* l : ventana->findChildren<QLabel*>(nombre))
    if (indice < 0 || l->property("Index").toInt() == indice) return l;
  ADD_FAILURE() << "no " << nombre << "(" << indice << ")";
  return nullptr;
}

QAction* VentanaDePrueba::Boton(const char* clave) const { return ventana->Barrix1()->Boton(clave); }

void VentanaDePrueba::Enfocar(QWidget* w) {
  w->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  ASSERT_TRUE(w->hasFocus());
}

void VentanaDePrueba::Tecla(Qt::Key tecla) {
  QWidget* foco = QApplication::focusWidget();
  ASSERT_NE(foco, nullptr);
  QTest::keyClick(foco, tecla);
}

std::string VentanaDePrueba::Configuracion(const std::string& clave) {
  const Filas f = Consultar("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='" + clave + "'");
  return f.empty() ? "" : f[0][0];
}
