// The list lookup window offscreen on a real embedded database: the
// operator types, presses F5, marks, enters quantities, sorts and accepts
// with real key and mouse events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <memory>

#include "ConsultaDePrueba.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/ventanas/Lib_FrmCons3.h"
#include "lookup/ventanas/Twips.h"
#include "lookup/ventanas/VentanasConsulta.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"

namespace {

class VentanaLista : public ConsultaDePrueba {
 protected:
  void TearDown() override {
    ventana.reset();
    ConsultaDePrueba::TearDown();
  }
  Lib_FrmCons3& Abrir(const std::string& sql = kArticulos) {
    m.SQL = sql;
    ventana = std::make_unique<Lib_FrmCons3>(m);
    ventana->show();
    ventana->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    return *ventana;
  }
  QLineEdit* Caja(int i) { return ventana->CmbSearch(i)->lineEdit(); }
  QTreeView* Lista() { return ventana->ListView1(); }
  // The first column's text of the list's current row.
  std::string Actual() {
    const QModelIndex i = Lista()->currentIndex();
    return i.isValid() ? Lista()->model()->index(i.row(), 0).data().toString().toStdString() : "";
  }
  std::vector<std::string> Vistas() {
    std::vector<std::string> r;
    for (int f = 0; f < Lista()->model()->rowCount(); ++f)
      r.push_back(Lista()->model()->index(f, 0).data().toString().toStdString());
    return r;
  }
  void Escribir(QWidget* w, const char* texto) {
    w->setFocus();
    QTest::keyClicks(w, texto);
  }

  Lib_FrmCons3Modelo m;
  std::unique_ptr<Lib_FrmCons3> ventana;
};

TEST_F(VentanaLista, AbreConSusControlesYElFiltroInicialElegido) {
  m.FiltroInicial = "CAF";
  Abrir();
  EXPECT_EQ(ventana->objectName(), "Lib_FrmCons3");
  EXPECT_EQ(ventana->windowTitle(), "Consulta...");
  for (const auto& [nombre, texto] : std::vector<std::pair<const char*, const char*>>{{"CmdAceptar", "&Aceptar"},
                                                                                      {"CmdCancelar", "&Cancelar"},
                                                                                      {"CmdNueva", "&Nueva Busqueda"},
                                                                                      {"CmdNuevo", "N&uevo"},
                                                                                      {"CmdTodos", "&Marcar"}}) {
    auto* b = ventana->findChild<QPushButton*>(nombre);
    ASSERT_TRUE(b) << nombre;
    EXPECT_EQ(b->text().toStdString(), texto);
  }
  EXPECT_TRUE(ventana->findChild<QPushButton*>("CmdAceptar")->isDefault());
  EXPECT_EQ(ventana->CmbSearch(0)->toolTip(), "F5 realiza nueva busqueda");
  EXPECT_EQ(Actual(), "CAFE MOLIDO 500G");
  EXPECT_EQ(Caja(0)->text(), "CAF");
  // Each box sits above its column, a little narrower.
  const QHeaderView* h = Lista()->header();
  for (int k = 0; k < 2; ++k) {
    QComboBox* caja = ventana->CmbSearch(k);
    ASSERT_TRUE(caja);
    EXPECT_EQ(caja->x(), Lista()->x() + Lista()->viewport()->x() + h->sectionViewportPosition(k)) << k;
    EXPECT_LT(caja->width(), h->sectionSize(k)) << k;
    EXPECT_LT(caja->geometry().bottom(), Lista()->y()) << k;
  }
  EXPECT_TRUE(Lista()->font().bold());
}

TEST_F(VentanaLista, EscribirBuscaYLaCajaConFocoSeVeCeleste) {
  Abrir();
  Escribir(Caja(0), "cafe t");
  EXPECT_EQ(Actual(), "CAFE TOSTADO");
  EXPECT_NE(ventana->CmbSearch(0)->styleSheet().indexOf("#00ffff"), -1);
  Escribir(Caja(1), "13");
  EXPECT_EQ(Actual(), "BOLSAS X10");
  EXPECT_NE(ventana->CmbSearch(0)->styleSheet().indexOf("#ffffff"), -1) << "the box that lost the focus is white";
  // Down in a box hands the focus to the list; typing there goes on in the last box.
  QTest::keyClick(Caja(1), Qt::Key_Down);
  EXPECT_TRUE(Lista()->hasFocus());
  QTest::keyClick(Lista(), Qt::Key_Backspace);
  EXPECT_EQ(Caja(1)->text(), "1");
  EXPECT_EQ(Actual(), "ACEITE GIRASOL 1L");
  EXPECT_TRUE(Caja(1)->hasFocus());
}

TEST_F(VentanaLista, F5FiltraEnLaBaseYNuevaBusquedaVuelve) {
  Abrir();
  Escribir(Caja(0), "cafe");
  QTest::keyClick(Caja(0), Qt::Key_F5);
  EXPECT_EQ(Vistas(), (std::vector<std::string>{"CAFE MOLIDO 500G", "CAFE TOSTADO", "CAFE'S O'HIGGINS"}));
  EXPECT_EQ(Caja(0)->text(), "");
  Escribir(Caja(0), "CAFE'S");
  QTest::keyClick(Caja(0), Qt::Key_F5);
  EXPECT_EQ(Vistas(), (std::vector<std::string>{"CAFE'S O'HIGGINS"}));
  EXPECT_TRUE(op->Mensajes().empty());
  QTest::mouseClick(ventana->findChild<QPushButton*>("CmdNueva"), Qt::LeftButton);
  EXPECT_EQ(Vistas(), DescripcionesArticulos());
  EXPECT_TRUE(Caja(0)->hasFocus());
}

TEST_F(VentanaLista, EnterAceptaLaFilaElegida) {
  m.CampoDevuelto = "IDARTICULO";
  Abrir();
  Escribir(Caja(0), "YER");
  QTest::keyClick(Caja(0), Qt::Key_Return);
  EXPECT_EQ(m.ValorDevuelto.Texto(), "12");
  EXPECT_FALSE(ventana->isVisible());
}

TEST_F(VentanaLista, FlechasEnLaListaYEnterDevuelvenLaFilaActual) {
  m.CampoDevuelto = "DESCRIPCION";
  Abrir();
  Lista()->setFocus();
  QTest::keyClick(Lista(), Qt::Key_Down);
  QTest::keyClick(Lista(), Qt::Key_Down);
  QTest::keyClick(Lista(), Qt::Key_Return);
  EXPECT_EQ(m.ValorDevuelto.Texto(), "AZUCAR 1KG");
}

TEST_F(VentanaLista, EspacioMarcaYAceptarDevuelveLasMarcadas) {
  m.CheckBoxes = true;
  m.CampoDevuelto = "IDARTICULO";
  Abrir();
  Lista()->setFocus();
  QTest::keyClick(Lista(), Qt::Key_Space);
  QTest::keyClick(Lista(), Qt::Key_Down);
  QTest::keyClick(Lista(), Qt::Key_Down);
  QTest::keyClick(Lista(), Qt::Key_Space);
  EXPECT_EQ(Caja(0)->text(), "") << "with check boxes Space only marks";
  EXPECT_EQ(Lista()->model()->index(2, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  QTest::keyClick(Lista(), Qt::Key_Return);
  ASSERT_TRUE(m.Valores);
  ASSERT_EQ(m.Valores->size(), 2u);
  EXPECT_EQ((*m.Valores)[0].Texto(), "1");
  EXPECT_EQ((*m.Valores)[1].Texto(), "3");
}

TEST_F(VentanaLista, EscapeYLaCruzCancelan) {
  m.ValorDevuelto = Variant("antes");
  Abrir();
  QTest::keyClick(Caja(0), Qt::Key_Escape);
  EXPECT_FALSE(ventana->isVisible());
  EXPECT_EQ(m.ValorDevuelto.Texto(), "");
  EXPECT_FALSE(m.Valores);
  m.ValorDevuelto = Variant("antes");
  Abrir();
  ventana->close();
  EXPECT_EQ(m.ValorDevuelto.Texto(), "");
}

TEST_F(VentanaLista, ClicEnElEncabezadoOrdena) {
  Abrir("SELECT DESCRIPCION, IDARTICULO FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('1','2','3')");
  QHeaderView* h = Lista()->header();
  const QPoint centro(h->sectionViewportPosition(0) + h->sectionSize(0) / 2, h->height() / 2);
  QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, centro);
  EXPECT_EQ(Vistas(), (std::vector<std::string>{"AZUCAR 1KG", "ARROZ LARGO FINO", "ACEITE GIRASOL 1L"}));
  QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, centro);
  EXPECT_EQ(Vistas(), (std::vector<std::string>{"ACEITE GIRASOL 1L", "ARROZ LARGO FINO", "AZUCAR 1KG"}));
}

TEST_F(VentanaLista, InsertarYSuprimirCambianLaCantidad) {
  regional::FijarSeparadores('.', ',');
  m.UsaCantidades = true;
  Abrir("SELECT DESCRIPCION, '2.0' AS Cantidad FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('1','2') ORDER BY 1");
  Lista()->setFocus();
  QTest::keyClick(Lista(), Qt::Key_Insert);
  EXPECT_EQ(Lista()->model()->index(0, 1).data().toString(), "3.0");
  op->ResponderTexto("7");
  QTest::keyClick(Lista(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Lista()->model()->index(0, 1).data().toString(), "7.00");
}

TEST_F(VentanaLista, F12InformaElFaltanteDelArticuloElegido) {
  Abrir("SELECT IDARTICULO, DESCRIPCION FROM V_MA_ARTICULOS ORDER BY IDARTICULO");
  Escribir(Caja(1), "CAFE'S");
  op->ResponderMensaje(respuesta::Si);
  QTest::keyClick(Caja(1), Qt::Key_F12);
  EXPECT_EQ(Consultar("SELECT IdArticulo, Descripcion FROM V_MV_FALTANTES"), (Filas{{"10", "CAFE'S O'HIGGINS"}}));
}

TEST_F(VentanaLista, LosColoresDeStockPintanLasFilas) {
  m.MuestraStock = "SI";
  m.StkNivel1 = Variant(0x0000FF);  // red, as the platform writes colours (0x00BBGGRR)
  m.StkNivel3 = Variant(0xFF0000);  // blue
  Abrir("SELECT DESCRIPCION, PUNTOPEDIDO, Stock FROM V_MA_ARTICULOS WHERE IDARTICULO IN ('2','3') ORDER BY 1");
  EXPECT_EQ(Lista()->model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(Lista()->model()->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
}

TEST_F(VentanaLista, UnaTablaDeMuchasColumnasTieneUnaCajaPorColumna) {
  std::string columnas, valores;
  for (int i = 0; i < 150; ++i) {
    columnas += (i ? ", C" : "C") + std::to_string(i) + " varchar(5)";
    valores += (i ? ", 'v" : "'v") + std::to_string(i) + "'";
  }
  Ejecutar("CREATE TABLE ANCHA (" + columnas + "); INSERT INTO ANCHA VALUES (" + valores + ")");
  Abrir("SELECT * FROM ANCHA");
  ASSERT_TRUE(ventana->CmbSearch(149));
  EXPECT_EQ(m.CmbSearch(149).dataField, "C149");
  Escribir(Caja(149), "v149");
  QTest::keyClick(Caja(149), Qt::Key_F5);
  EXPECT_EQ(m.SQL, "SELECT * FROM ANCHA  where C149 like 'v149%'  ");
  EXPECT_EQ(Vistas(), (std::vector<std::string>{"v0"}));
}

TEST_F(VentanaLista, LaBarraMueveElPanel) {
  Abrir();
  const int antes = ventana->picFields()->x();
  ventana->HScroll1()->setValue(600);
  EXPECT_EQ(ventana->picFields()->x(), antes - Pixeles(600, *ventana));
}

// The lookup service with the Qt front end: the list window opens modally.
TEST_F(VentanaLista, ElServicioAbreLaVentanaYLeeLoElegido) {
  InstalarVentanasConsulta();
  Lib_ClsCons3& s = ServicioConsultas();
  s.gRutaMascaraConsultas = carpeta / "consultas.prx";
  s.gUsarMascarasConsultas = true;
  ASSERT_TRUE(s.CrearMascarasConsultas());
  s.CampoDevuelto = "CODIGO";
  QTimer::singleShot(0, [] {
    auto* activa = qobject_cast<Lib_FrmCons3*>(QApplication::activeModalWidget());
    ASSERT_TRUE(activa);
    QLineEdit* caja = activa->CmbSearch(0)->lineEdit();
    caja->setFocus();
    QTest::keyClicks(caja, "kio");
    QTest::keyClick(caja, Qt::Key_Return);
  });
  ColeccionTextos cmps = NuevaListaTextos();
  std::string campo;
  s.ConsultaSearch("VT_CLIENTES", cmps, "", campo, "", "", false);
  EXPECT_EQ(s.ValorDevuelto.Texto(), "C3");
  s.MostrarLista = nullptr;
  s.MostrarArbol = nullptr;
}

}  // namespace
