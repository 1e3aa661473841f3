// The tree lookup window offscreen on a real embedded database: the
// operator types, presses F5, checks nodes and accepts with real key and
// mouse events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "Lib_FrmCons3TreeDePrueba.h"
#include "lookup/arbol/SentenciaFamilias.h"
#include "lookup/ventanas/Lib_FrmCons3Tree.h"

namespace {

class VentanaTree : public ArbolDePrueba {
 protected:
  void TearDown() override {
    ventana.reset();
    ArbolDePrueba::TearDown();
  }

  Lib_FrmCons3Tree& Abrir(const std::string& sql, const std::string& campo = "CODIGO", bool casillas = false) {
    m.SQL = sql;
    m.CampoDevuelto = campo;
    m.CheckBoxes = casillas;
    ventana = std::make_unique<Lib_FrmCons3Tree>(m);
    ventana->show();
    ventana->activateWindow();
    QApplication::processEvents();
    return *ventana;
  }
  QComboBox* Busqueda() const { return ventana->findChild<QComboBox*>("CmbSearch"); }
  QTreeWidget* Arbol() const { return ventana->findChild<QTreeWidget*>("TreeV"); }
  QPushButton* Boton(const char* nombre) const { return ventana->findChild<QPushButton*>(nombre); }
  // The text of the tree's current item; empty when none.
  std::string Actual() const {
    QTreeWidgetItem* i = Arbol()->currentItem();
    return i ? i->text(0).toStdString() : std::string();
  }
  // The item showing a node's code.
  QTreeWidgetItem* Item(const std::string& codigo) const {
    for (QTreeWidgetItem* i : Arbol()->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
      if (i->text(0).startsWith(QString::fromStdString(codigo + " - "))) return i;
    return nullptr;
  }
  // What the operator types goes to the widget with the focus.
  void Teclear(const char* texto) {
    QWidget* foco = QApplication::focusWidget();
    ASSERT_NE(foco, nullptr);
    QTest::keyClicks(foco, texto);
  }
  void Tecla(Qt::Key tecla) {
    QWidget* foco = QApplication::focusWidget();
    ASSERT_NE(foco, nullptr);
    QTest::keyClick(foco, tecla);
  }

  Lib_FrmCons3TreeModelo m;
  std::unique_ptr<Lib_FrmCons3Tree> ventana;
};

TEST_F(VentanaTree, MuestraElArbolConSusControles) {
  Abrir(kCuentas);
  EXPECT_EQ(ventana->windowTitle(), "Consulta...");
  EXPECT_EQ(Busqueda()->toolTip(), "F5 realiza nueva busqueda");
  EXPECT_EQ(Busqueda()->property("Index").toInt(), 0);
  EXPECT_TRUE(Busqueda()->lineEdit()->hasFocus());
  EXPECT_EQ(Boton("CmdAceptar")->text(), "&Aceptar");
  EXPECT_TRUE(Boton("CmdAceptar")->isDefault());
  EXPECT_EQ(Boton("CmdCancelar")->text(), "&Cancelar");
  EXPECT_EQ(Boton("CmdNueva")->text(), "&Nueva Busqueda");
  ASSERT_EQ(Arbol()->topLevelItemCount(), 1);
  QTreeWidgetItem* raiz = Arbol()->topLevelItem(0);
  EXPECT_EQ(raiz->text(0), "Consulta...");
  EXPECT_TRUE(raiz->isExpanded());
  ASSERT_EQ(raiz->childCount(), 2);
  EXPECT_EQ(raiz->child(0)->text(0), "1 - CAJA Y BANCOS");
  EXPECT_EQ(raiz->child(0)->child(0)->child(0)->text(0), "10101 - CAJA CHICA");
  EXPECT_EQ(raiz->checkState(0), Qt::Unchecked);
  EXPECT_FALSE(raiz->flags() & Qt::ItemIsUserCheckable);
}

TEST_F(VentanaTree, TeclearEligeElNodoYLoMuestra) {
  Abrir(kCuentas);
  Teclear("caja c");
  EXPECT_EQ(Actual(), "10101 - CAJA CHICA");
  EXPECT_TRUE(Item("101")->isExpanded()) << "the nodes above it open";
  Teclear("x");
  EXPECT_EQ(Actual(), "10101 - CAJA CHICA") << "no match leaves the selection";
  EXPECT_EQ(Busqueda()->currentText(), "caja cx");
}

TEST_F(VentanaTree, FlechasDeLaBusquedaLlevanAlArbol) {
  for (Qt::Key tecla : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp}) {
    Abrir(kCuentas);
    Teclear("102");
    Tecla(tecla);
    EXPECT_TRUE(Arbol()->hasFocus()) << tecla;
    EXPECT_EQ(Actual(), "102 - BANCOS") << "the key only moves the focus";
  }
}

TEST_F(VentanaTree, F5FiltraYVaciaLaCaja) {
  Abrir(kCuentas);
  Teclear("o'higgins");
  Tecla(Qt::Key_F5);
  EXPECT_EQ(m.SQL, "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS  where Descripcion like '%o''higgins%' ORDER BY CODIGO");
  EXPECT_EQ(Busqueda()->currentText(), "");
  ASSERT_EQ(Arbol()->topLevelItem(0)->childCount(), 1);
  EXPECT_EQ(Arbol()->topLevelItem(0)->child(0)->text(0), "201 - O'HIGGINS 1450");
  EXPECT_TRUE(op->Mensajes().empty());
}

TEST_F(VentanaTree, F5EnFamiliasVuelveATodas) {
  Abrir(kFamilias, "IDFAMILIA");
  Teclear("lact");
  Tecla(Qt::Key_F5);
  EXPECT_EQ(m.SQL, SentenciaFamilias());
  EXPECT_EQ(Arbol()->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive).size(), 7);
}

TEST_F(VentanaTree, EnterAceptaElNodoElegido) {
  Abrir(kCuentas);
  Teclear("102");
  Tecla(Qt::Key_Return);
  EXPECT_FALSE(ventana->isVisible());
  EXPECT_EQ(ventana->result(), QDialog::Accepted);
  EXPECT_EQ(m.ValorDevuelto.Texto(), "102");
  EXPECT_EQ(Busqueda()->count(), 0) << "Enter adds nothing to the search box's list";
}

TEST_F(VentanaTree, EnterEnElArbolYDobleClicAceptan) {
  Abrir(kCuentas);
  Teclear("101");
  Tecla(Qt::Key_Down);
  Tecla(Qt::Key_Return);
  EXPECT_FALSE(ventana->isVisible());
  EXPECT_EQ(m.ValorDevuelto.Texto(), "101  ") << "the cost centre holds 101";

  Abrir(kCuentas);
  QTreeWidgetItem* item = Item("2");
  const QPoint centro = Arbol()->visualItemRect(item).center();
  QTest::mouseClick(Arbol()->viewport(), Qt::LeftButton, {}, centro);
  QTest::mouseDClick(Arbol()->viewport(), Qt::LeftButton, {}, centro);
  EXPECT_FALSE(ventana->isVisible());
  EXPECT_EQ(m.ValorDevuelto.Texto(), "2");
}

TEST_F(VentanaTree, EscCancela) {
  Abrir(kCuentas, "CODIGO", true);
  m.CmpsDevueltos = NuevaListaTextos();
  Teclear("102");
  m.ValorDevuelto = Variant("previo");
  Tecla(Qt::Key_Escape);
  EXPECT_FALSE(ventana->isVisible());
  EXPECT_EQ(ventana->result(), QDialog::Rejected);
  EXPECT_EQ(m.ValorDevuelto.Texto(), "");
  EXPECT_FALSE(m.Valores);
  EXPECT_FALSE(m.CmpsDevueltos);
}

TEST_F(VentanaTree, MarcarConEspacioBajaSeisNivelesYAceptarDevuelveLosMarcados) {
  // A chain of codes nine levels deep: 1, 11, 111, ...
  std::string filas, codigo;
  for (int i = 0; i < 9; ++i) filas += std::string(i ? "," : "") + "('" + (codigo += "1") + "','NIVEL')";
  Ejecutar("CREATE TABLE CADENA (CODIGO VARCHAR(20), DESCRIPCION VARCHAR(20)); INSERT INTO CADENA VALUES " + filas);
  Abrir("SELECT CODIGO, DESCRIPCION FROM CADENA ORDER BY CODIGO", "CODIGO", true);
  Teclear("11");
  Tecla(Qt::Key_Down);
  ASSERT_EQ(Actual(), "11 - NIVEL");
  Tecla(Qt::Key_Space);
  std::vector<std::string> marcados;
  for (QTreeWidgetItem* i : Arbol()->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
    if (i->checkState(0) == Qt::Checked) marcados.push_back(i->text(0).section(" - ", 0, 0).toStdString());
  const std::vector<std::string> esperados{"11", "111", "1111", "11111", "111111", "1111111", "11111111"};
  EXPECT_EQ(marcados, esperados);
  Tecla(Qt::Key_Return);
  ASSERT_TRUE(m.Valores);
  std::vector<std::string> valores;
  for (const Variant& v : *m.Valores) valores.push_back(v.Texto());
  EXPECT_EQ(valores, esperados);
}

TEST_F(VentanaTree, DesmarcarDesmarcaLosDescendientes) {
  Abrir(kCuentas, "CODIGO", true);
  Teclear("1");
  Tecla(Qt::Key_Down);
  Tecla(Qt::Key_Space);
  EXPECT_EQ(Item("10101")->checkState(0), Qt::Checked);
  Tecla(Qt::Key_Space);
  EXPECT_EQ(Item("10101")->checkState(0), Qt::Unchecked);
  EXPECT_EQ(Item("1")->checkState(0), Qt::Unchecked);
}

TEST_F(VentanaTree, NuevaBusquedaMuestraLasFilasNuevas) {
  Abrir(kCuentas);
  Ejecutar("INSERT INTO MA_CUENTAS VALUES ('103','VALORES A DEPOSITAR')");
  QTest::mouseClick(Boton("CmdNueva"), Qt::LeftButton);
  ASSERT_NE(Item("103"), nullptr);
  EXPECT_EQ(Item("103")->parent(), Item("1"));
}

TEST_F(VentanaTree, CerrarLaVentanaQuitaLosNodos) {
  Abrir(kCuentas);
  ventana->close();
  EXPECT_FALSE(ventana->isVisible());
  EXPECT_EQ(m.Nodos().Cantidad(), 0);
  EXPECT_EQ(Arbol()->topLevelItemCount(), 0);
}

TEST_F(VentanaTree, MostrarModalVuelveCuandoLaVentanaSeOculta) {
  m.SQL = kCuentas;
  m.CampoDevuelto = "CODIGO";
  // Should the keys go astray, the window is closed: the test fails instead of hanging.
  QTimer guardia;
  guardia.setSingleShot(true);
  QObject::connect(&guardia, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  guardia.start(20000);
  QTimer::singleShot(0, [] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    QLineEdit* caja = modal->findChild<QComboBox*>("CmbSearch")->lineEdit();
    QTest::keyClicks(caja, "10101");
    QTest::keyClick(caja, Qt::Key_Return);
  });
  MostrarConsultaArbol(m);
  EXPECT_EQ(m.ValorDevuelto.Texto(), "10101");
}

}  // namespace
