// What the main window shows while a generation run works, offscreen, on a
// demo database: the loading line painted before each query starts, the
// inputs that refuse typing drawn disabled, and a minimum size (its
// layout's) that keeps every frame, the toolbar and the status bar readable.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <vector>

#include "OperadorConIntruso.h"
#include "VentanaDePrueba.h"
#include "unifier/ventanas/BarraBarrix.h"

namespace {

// Records the text of a label each time it is painted, and whether the
// window's inputs took typing at that moment.
class PinturasDeEtiqueta : public QObject {
 public:
  struct Pintura {
    QString texto;
    bool cajasHabilitadas;
  };
  PinturasDeEtiqueta(QLabel* etiqueta, QLineEdit* caja) : etiqueta_(etiqueta), caja_(caja) {
    etiqueta_->installEventFilter(this);
  }
  std::vector<Pintura> pinturas;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (objeto == etiqueta_ && evento->type() == QEvent::Paint)
      pinturas.push_back({etiqueta_->text(), caja_->isEnabled()});
    return false;
  }

 private:
  QLabel* etiqueta_;
  QLineEdit* caja_;
};

// Pixels of the widget's picture darker than mid grey: the strokes of black text.
int PixelesOscuros(QWidget* w) {
  const QImage imagen = w->grab().toImage();
  int oscuros = 0;
  for (int y = 0; y < imagen.height(); ++y)
    for (int x = 0; x < imagen.width(); ++x) oscuros += qGray(imagen.pixel(x, y)) < 96;
  return oscuros;
}

class VentanaMuestraSuTrabajo : public VentanaDePrueba {
 protected:
  void SetUp() override {
    VentanaDePrueba::SetUp();
    UsarBaseDemo();
    FijarOperador(operador);
    Mostrar();
    ventana->Modelo().Ventana().FijarTexto(ventana->Modelo().TxtFields(3), destino);
  }
  std::shared_ptr<OperadorConIntruso> operador = std::make_shared<OperadorConIntruso>();
};

TEST_F(VentanaMuestraSuTrabajo, ElAvisoDeCargaSePintaAntesDeCadaConsultaConLasCajasDeshabilitadas) {
  Casilla("chkVentas")->click();
  Casilla("chkStock")->click();
  ventana->Modelo().Ventana().FijarTexto(ventana->Modelo().lblInfo(), "Finalizado");
  QApplication::processEvents();
  PinturasDeEtiqueta vistas(Etiqueta("lblInfo"), Caja(0));
  Boton("GRABAR")->trigger();

  std::vector<std::string> avisos;
  for (const auto& p : vistas.pinturas) {
    if (!p.texto.startsWith("Cargando datos ")) continue;
    avisos.push_back(p.texto.toStdString());
    EXPECT_FALSE(p.cajasHabilitadas) << "the inputs are shown disabled while the query runs";
  }
  EXPECT_EQ(avisos, (std::vector<std::string>{"Cargando datos VTA | Espere por favor..",
                                              "Cargando datos STK | Espere por favor.."}));
  EXPECT_EQ(Etiqueta("lblInfo")->text(), "Finalizado");
}

TEST_F(VentanaMuestraSuTrabajo, LasCajasQueNoAceptanTecleoSeVenDeshabilitadas) {
  // The date box had the focus, so it carries the focus colours; its date
  // is black text while it takes typing.
  ASSERT_TRUE(Caja(0)->hasFocus());
  const int conTecleo = PixelesOscuros(Caja(0));
  EXPECT_GT(conTecleo, 20) << "black text while the box takes typing";
  int duranteLaGeneracion = -1;
  bool habilitada = true;
  operador->intruso = [&] {
    habilitada = Caja(0)->isEnabled();
    duranteLaGeneracion = PixelesOscuros(Caja(0));
  };
  Casilla("chkRuta")->click();
  Boton("GRABAR")->trigger();
  ASSERT_FALSE(habilitada);
  EXPECT_EQ(duranteLaGeneracion, 0) << "greyed text, as every disabled box";
  EXPECT_GT(PixelesOscuros(Caja(0)), 20) << "black again after the run";
}

TEST_F(VentanaMuestraSuTrabajo, UnTamanioMinimoMantieneLegiblesLosMarcos) {
  ventana->resize(10, 10);
  QApplication::processEvents();
  EXPECT_GE(ventana->width(), ventana->minimumWidth());
  for (const char* marco : {"Frame1", "FrmSIAPCITIVentas", "Frame2"}) {
    auto* g = ventana->findChild<QGroupBox*>(marco);
    EXPECT_GE(g->width(), g->minimumSizeHint().width()) << marco;
    EXPECT_GE(g->height(), g->minimumSizeHint().height()) << marco;
  }
  for (const char* casilla : {"chkTodos", "chkVentas", "chkStock", "chkClientes", "chkRuta"})
    EXPECT_GE(Casilla(casilla)->width(), Casilla(casilla)->sizeHint().width()) << casilla << ": caption cut";
  const int fecha = Caja(0)->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000 00:00:00"));
  for (int i : {0, 1}) EXPECT_GT(Caja(i)->width(), fecha) << "the date with its time of day fits";
  EXPECT_GT(Caja(3)->width(), Caja(3)->fontMetrics().horizontalAdvance(QStringLiteral("/home/usuario/vorna/")));
  EXPECT_GE(Etiqueta("lblInfo")->height(), Etiqueta("lblInfo")->fontMetrics().height());
  EXPECT_GE(ventana->Barrix1()->width(), ventana->Barrix1()->sizeHint().width()) << "every toolbar button shows";
  EXPECT_GE(ventana->statusBar()->width(), ventana->statusBar()->sizeHint().width()) << "every status panel shows";
}

}  // namespace
