// The way in: on the demo ERP, a list lookup on the articles registers a
// new one with "N&uevo" through the registration window and the master
// barcode service, and returns it as the picked value.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CajaQt.h"
#include "ServidorHttpPrueba.h"
#include "articles/BaseMaestra.h"
#include "articles/ventanas/FrmArtAlta.h"
#include "demo/GeneradorDemo.h"
#include "lookup/AltaArticulo.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/ventanas/Lib_FrmCons3.h"
#include "lookup/ventanas/VentanasConsulta.h"
#include "services/Configuracion.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Utiles.h"
#include "support/BaseDePrueba.h"

namespace {

class ConsultaDemo : public ConBaseSqlite {
 protected:
  void SetUp() override {
    ConBaseSqlite::SetUp();
    demo::ParametrosDemo p = demo::ParametrosDeTamano(50, 5, 30, 2, 3);
    std::string error;
    ASSERT_TRUE(demo::GenerarBaseDemo(demoBase, p, nullptr, &error)) << error;
    Abrir(demoBase);
    FijarCarpeta(carpeta.Ruta());
    GrabaDfg(base_maestra::kClaveDireccion, servidor.Base());
    // What a program with a display does before any lookup.
    InstalarVentanasConsulta();
  }
  void TearDown() override {
    Lib_ClsCons3& servicio = ServicioConsultas();
    servicio.MostrarLista = nullptr;
    servicio.MostrarArbol = nullptr;
    servicio.gUsarMascarasConsultas = false;
    RegistrarAltaArticulo({});
    ConBaseSqlite::TearDown();
  }
  std::string demoBase = carpeta / "demo.sqlite";
  ServidorHttpPrueba servidor;
};

TEST_F(ConsultaDemo, NuevoEnLaConsultaDeArticulosRegistraYDevuelveElArticulo) {
  servidor.Responder(200, R"([{"Descripcion":"AGUA MINERAL 500 ML"}])");
  Lib_ClsCons3& servicio = ServicioConsultas();
  servicio.gRutaMascaraConsultas = carpeta / "consultas.prx";
  servicio.gUsarMascarasConsultas = true;
  ASSERT_TRUE(servicio.CrearMascarasConsultas());

  std::string propuesto;
  size_t filas = 0;
  QTimer::singleShot(0, [&] {
    auto* consulta = qobject_cast<Lib_FrmCons3*>(QApplication::activeModalWidget());
    ASSERT_TRUE(consulta) << "the list lookup is not open";
    filas = consulta->Modelo().Filas().Cantidad();
    QTimer::singleShot(0, [&] {
      auto* alta = qobject_cast<FrmArtAlta*>(QApplication::activeModalWidget());
      ASSERT_TRUE(alta) << "the registration window is not open";
      propuesto = Caja(*alta, 0)->text().toStdString();
      Caja(*alta, 0)->clear();
      QTest::keyClicks(Caja(*alta, 0), "7790315000123");
      QTest::keyClick(Caja(*alta, 0), Qt::Key_F7);
      QTest::keyClick(Caja(*alta, 2), Qt::Key_F2);
    });
    consulta->findChild<QPushButton*>("CmdNuevo")->click();
  });
  ColeccionTextos devueltos = NuevaListaTextos();
  std::string campo;
  servicio.ConsultaSearch("V_MA_ARTICULOS", devueltos, "", campo, "", "", false);

  EXPECT_GT(filas, 0u);       // the demo's articles are listed
  EXPECT_EQ(propuesto, "1");  // the demo's codes begin with zeros: the first right-aligned number
  EXPECT_EQ(servicio.ValorDevuelto.Texto(), "1");
  EXPECT_EQ(ConsultarSqlite(demoBase,
                            "SELECT IdArticulo,CodigoBarra,Descripcion,IdUnidad,Suspendido "
                            "FROM V_MA_ARTICULOS WHERE IdArticulo = '" +
                                FormatearCodigo("1", 25) + "'"),
            (Filas{{FormatearCodigo("1", 25), "7790315000123", "AGUA MINERAL 500 ML", "   1", "0"}}));
  EXPECT_EQ(servidor.Pedidos(), (std::vector<std::string>{"/ws/inicio.php?opcion=GetCodigo&codigo=7790315000123"}));
}

}  // namespace
