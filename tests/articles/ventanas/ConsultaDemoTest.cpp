// The way in: on the demo ERP, a list lookup on the articles registers a
// new one with "N&uevo" through the registration window and the master
// barcode service, and returns it as the picked value.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "CajaQt.h"
#include "ServidorHttpPrueba.h"
#include "articles/BaseMaestra.h"
#include "articles/ventanas/AltaArticuloModal.h"
#include "articles/ventanas/FrmArtAlta.h"
#include "demo/GeneradorDemo.h"
#include "lookup/AltaArticulo.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "services/Configuracion.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Utiles.h"
#include "support/BaseDePrueba.h"

namespace {

struct VistaDePrueba : VistaLista {
  void Ocultar() override { ++ocultada; }
  int ocultada = 0;
};

class ConsultaDemo : public ConBaseSqlite {
 protected:
  void SetUp() override {
    ConBaseSqlite::SetUp();
    demo::ParametrosDemo p;
    p.lineas = 50;
    p.clientes = 5;
    p.articulos = 30;
    p.vendedores = 2;
    p.dias = 3;
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(demoBase, p, nullptr, &error)) << error;
    Abrir(demoBase);
    FijarCarpeta(carpeta.Ruta());
    GrabaDfg(base_maestra::kClaveDireccion, servidor.Base());
    // What the program's windows do at start.
    RegistrarAltaArticulo(AbrirAltaArticulo);
  }
  void TearDown() override {
    RegistrarAltaArticulo({});
    ConBaseSqlite::TearDown();
  }
  std::string demoBase = carpeta / "demo.sqlite";
  ServidorHttpPrueba servidor;
};

TEST_F(ConsultaDemo, NuevoEnLaConsultaDeArticulosRegistraYDevuelveElArticulo) {
  servidor.Responder(200, R"([{"Descripcion":"AGUA MINERAL 500 ML"}])");
  Lib_FrmCons3Modelo lista;
  VistaDePrueba vista;
  lista.UsarVista(&vista);
  lista.SQL = "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION";
  lista.Form_Load();
  const size_t filas = lista.Filas().Cantidad();
  ASSERT_EQ(filas, 30u);

  std::string propuesto;
  QTimer::singleShot(0, [&] {
    auto* f = qobject_cast<FrmArtAlta*>(QApplication::activeModalWidget());
    ASSERT_TRUE(f) << "the registration window is not open";
    propuesto = Caja(*f, 0)->text().toStdString();
    Caja(*f, 0)->clear();
    QTest::keyClicks(Caja(*f, 0), "7790315000123");
    QTest::keyClick(Caja(*f, 0), Qt::Key_F7);
    QTest::keyClick(Caja(*f, 2), Qt::Key_F2);
  });
  lista.CmdNuevo_Click();

  EXPECT_EQ(propuesto, "1");  // the demo's codes begin with zeros: the first right-aligned number
  EXPECT_EQ(lista.ValorDevuelto.Texto(), "1");
  EXPECT_EQ(vista.ocultada, 1);
  EXPECT_EQ(ConsultarSqlite(demoBase, "SELECT IdArticulo,CodigoBarra,Descripcion,IdUnidad,Suspendido FROM V_MA_ARTICULOS "
                      "WHERE IdArticulo = '" + FormatearCodigo("1", 25) + "'"),
            (Filas{{FormatearCodigo("1", 25), "7790315000123", "AGUA MINERAL 500 ML", "   1", "0"}}));
  EXPECT_EQ(servidor.Pedidos(), (std::vector<std::string>{"/ws/inicio.php?opcion=GetCodigo&codigo=7790315000123"}));
}

}  // namespace
