// The unifier's main window in Qt, offscreen, on a real embedded database:
// its controls, the dates at load, the toolbar and its keys, the folder
// chooser, the scheduled-task button, the generation run with a toolbar
// command arriving from inside its row loop, and the close step.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <vector>

#include "OperadorConIntruso.h"
#include "VentanaDePrueba.h"
#include "services/ventanas/BarraEstadoQt.h"
#include "sivlib/Entorno.h"
#include "sivlib/FechaHora.h"
#include "sivlib/PreparacionVentana.h"
#include "sivlib/Texto.h"
#include "unifier/ventanas/BarraBarrix.h"
#include "unifier/ventanas/FrmTareaProgramada.h"

namespace {

std::string T(const QString& s) { return s.toStdString(); }

// Files of a folder, sorted.
std::vector<std::string> Archivos(const std::string& carpeta) {
  std::vector<std::string> nombres;
  for (const auto& e : std::filesystem::directory_iterator(carpeta)) nombres.push_back(e.path().filename().string());
  std::sort(nombres.begin(), nombres.end());
  return nombres;
}

class VentanaVornaQt : public VentanaDePrueba {};

TEST_F(VentanaVornaQt, MuestraCadaControlConSuTextoAyudaYLimite) {
  VentanaInterfaceVorna& v = Mostrar();
  EXPECT_EQ(T(v.objectName()), "frmInterfaceVorna");
  EXPECT_EQ(T(v.windowTitle()), "UNIFICADOR DE DATOS - V.E.L.T.A. -  CTA. 21101010029 ");
  EXPECT_FALSE(v.windowIcon().isNull()) << "the program's icon ICONPRAXEL";

  struct Texto {
    const char* nombre;
    const char* texto;
  };
  for (const Texto& b : {Texto{"cmdTarea", "Configurar  Tarea"}, Texto{"CmdDestino", ">>>"}})
    EXPECT_EQ(T(v.findChild<QPushButton*>(b.nombre)->text()), b.texto);
  EXPECT_EQ(T(v.findChild<QPushButton*>("CmdDestino")->toolTip()), "Elegir");
  for (const Texto& c : {Texto{"chkTodos", "Generar Todos"}, Texto{"chkClientes", "Clientes"}, Texto{"chkRuta", "Ruta"},
                         Texto{"chkStock", "Stock"}, Texto{"chkVentas", "Ventas"}})
    EXPECT_EQ(T(Casilla(c.nombre)->text()), c.texto);
  for (const Texto& m : {Texto{"Frame1", "Tipo"}, Texto{"FrmSIAPCITIVentas", "Parametros"}, Texto{"Frame2", ""}})
    EXPECT_EQ(T(v.findChild<QGroupBox*>(m.nombre)->title()), m.texto);
  EXPECT_TRUE(v.findChild<QGroupBox*>("Frame1")->isAncestorOf(Casilla("chkVentas")));
  EXPECT_TRUE(v.findChild<QGroupBox*>("FrmSIAPCITIVentas")->isAncestorOf(Caja(0)));
  EXPECT_TRUE(v.findChild<QGroupBox*>("Frame2")->isAncestorOf(Caja(3)));

  EXPECT_EQ(T(Etiqueta("Label1", 0)->text()), "Fecha Desde");
  EXPECT_EQ(T(Etiqueta("Label1", 1)->text()), "Fecha Hasta");
  EXPECT_EQ(T(Etiqueta("Label1", 3)->text()), "Carpeta destino");
  EXPECT_EQ(T(Etiqueta("lblInfo")->text()), "...");
  EXPECT_EQ(v.findChildren<QLineEdit*>("TxtFields").size(), 3) << "indices 0, 1 and 3; there is no 2";
  EXPECT_EQ(T(Caja(3)->text()), "C:\\");
  EXPECT_EQ(Caja(3)->maxLength(), 250);
  EXPECT_EQ(T(Caja(3)->toolTip()), "Carpeta donde se guarda el archivo ");

  auto* barraEstado = v.findChild<BarraEstadoQt*>("sbStatusBar");
  ASSERT_NE(barraEstado, nullptr);
  EXPECT_EQ(v.statusBar(), barraEstado);
  EXPECT_EQ(barraEstado->Texto("SERVER"), "Srv: sqlite");
  EXPECT_EQ(barraEstado->Texto("USUARIO"), "Uid: ana");
  EXPECT_EQ(barraEstado->Texto("CAJA"), "1 CAJA 1");
  EXPECT_EQ(barraEstado->Texto("MENSAJE"), "");

  BarraBarrix* barra = v.Barrix1();
  EXPECT_EQ(T(barra->objectName()), "Barrix1");
  std::vector<std::string> claves;
  for (QAction* a : barra->actions()) {
    claves.push_back(T(a->data().toString()));
    EXPECT_EQ(a->objectName(), a->data().toString());
    EXPECT_NE(a->toolTip().indexOf("(F"), -1) << "the button's key is shown: " << T(a->toolTip());
  }
  EXPECT_EQ(claves, (std::vector<std::string>{"NUEVO", "BORRAR", "GRABAR", "CONSULTAR", "CERRAR"}));
  // The five settings of the load step.
  for (const char* propiedad : {"Movible", "Flotante", "SoloIconos", "MenuContextual", "Tabulable"})
    EXPECT_FALSE(barra->property(propiedad).toBool()) << propiedad;
  EXPECT_EQ(barra->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
  EXPECT_TRUE(VentanaAbierta("frmInterfaceVorna"));
}

TEST_F(VentanaVornaQt, AlAbrirLasFechasSonLasDelServidorAunqueElEstadoGuardadoTengaOtras) {
  Mostrar();
  Enfocar(Caja(0));
  Caja(0)->selectAll();
  QTest::keyClicks(Caja(0), "01/01/2000");
  Enfocar(Caja(3));
  Caja(3)->selectAll();
  QTest::keyClicks(Caja(3), "/datos/vorna/");
  ventana->close();
  ASSERT_EQ(Consultar("SELECT VALOR FROM TA_CONFIG_FORM WHERE NOMBRE='TxtFields'").size(), 3u)
      << "the state was saved with the old dates";

  Mostrar();
  EXPECT_EQ(T(Caja(3)->text()), "/datos/vorna/") << "the rest of the state comes back";
  EXPECT_EQ(T(Caja(1)->text()), reloj.Local().Regional()) << "date and time of day";
  EXPECT_EQ(T(Caja(0)->text()), reloj.Local().MasDias(-4).Regional());
  EXPECT_EQ(ventana->Modelo().TxtFields(0).texto, T(Caja(0)->text()));
}

// "CONSULTAR" acts on the box that last had the focus: the date picker for
// a date box, emptying for any other. Right after opening that is "Fecha
// Desde". Pressed with the toolbar's button or its key.
TEST_F(VentanaVornaQt, ConsultarActuaSobreLaUltimaCajaEnfocada) {
  struct Caso {
    int enfocar;    // -1: right after opening
    bool conTecla;  // F5 instead of the button
    int caja;       // the box that changes
    const char* respuesta;
    const char* esperado;
  };
  const Caso casos[] = {
      {-1, false, 0, "15/03/2024", "15/03/2024"},
      {-1, true, 0, "16/03/2024", "16/03/2024"},
      {1, true, 1, "20/03/2024", "20/03/2024"},
      {3, false, 3, nullptr, ""},
      {3, true, 3, nullptr, ""},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << "enfocar " << c.enfocar << (c.conTecla ? " con F5" : " con el boton"));
    Mostrar();
    op->Limpiar();
    if (c.enfocar >= 0) Enfocar(Caja(c.enfocar));
    EXPECT_EQ(ventana->Modelo().CampoActual, c.enfocar >= 0 ? c.enfocar : 0);
    const QString antes[] = {Caja(0)->text(), Caja(1)->text(), Caja(3)->text()};
    if (c.respuesta) op->ResponderTexto(c.respuesta);
    if (c.conTecla) Tecla(Qt::Key_F5);
    else Boton("CONSULTAR")->trigger();

    EXPECT_EQ(op->Mostrados().size(), c.respuesta ? 1u : 0u);
    if (c.respuesta && !op->Mostrados().empty()) {
      EXPECT_EQ(op->Mostrados()[0].clase, "Fecha");
    }
    for (int i : {0, 1, 3}) {
      const QString esperado = i == c.caja ? QString(c.esperado) : antes[i == 3 ? 2 : i];
      EXPECT_EQ(T(Caja(i)->text()), T(esperado)) << "TxtFields(" << i << ")";
      EXPECT_EQ(ventana->Modelo().TxtFields(i).texto, T(esperado)) << "model of TxtFields(" << i << ")";
    }
  }
}

TEST_F(VentanaVornaQt, NuevoYBorrarNoHacenNada) {
  Mostrar();
  Enfocar(Caja(0));
  const std::vector<std::string> antes = {T(Caja(0)->text()), T(Caja(1)->text()), T(Caja(3)->text())};
  const Filas configuracion = Consultar("SELECT * FROM TA_CONFIGURACION ORDER BY CLAVE");
  Boton("NUEVO")->trigger();
  Boton("BORRAR")->trigger();
  Tecla(Qt::Key_F2);
  Tecla(Qt::Key_F3);
  QApplication::processEvents();
  EXPECT_EQ((std::vector<std::string>{T(Caja(0)->text()), T(Caja(1)->text()), T(Caja(3)->text())}), antes);
  EXPECT_TRUE(op->Mostrados().empty());
  EXPECT_EQ(Consultar("SELECT * FROM TA_CONFIGURACION ORDER BY CLAVE"), configuracion);
  EXPECT_EQ(terminaciones, 0);
  EXPECT_TRUE(ventana->isVisible());
}

// The window's key handler sees every key press once, before the box with
// the focus: the toolbar's keys go no further, the others reach the box.
TEST_F(VentanaVornaQt, CadaTeclaPasaPrimeroPorLaBarraUnaSolaVez) {
  Mostrar();
  std::vector<int16_t> vistas;
  auto barra = ventana->Modelo().TeclaBarraHerramientas;
  ventana->Modelo().TeclaBarraHerramientas = [&](int16_t& KeyCode, int16_t Shift) {
    vistas.push_back(KeyCode);
    barra(KeyCode, Shift);
  };
  Enfocar(Caja(1));
  Caja(1)->clear();
  QTest::keyClicks(Caja(1), "1");
  Tecla(Qt::Key_F7);  // no button has it: the box ignores it and it travels up to the window
  op->ResponderTexto("02/02/2024");
  Tecla(Qt::Key_F5);
  EXPECT_EQ(vistas, (std::vector<int16_t>{'1', 118, 116}));
  EXPECT_EQ(T(Caja(1)->text()), "02/02/2024");
  EXPECT_EQ(ventana->Modelo().CampoActual, 1);
}

TEST_F(VentanaVornaQt, LasCajasLimitanLoTecleadoPeroNoLoQuePoneElPrograma) {
  Mostrar();
  Enfocar(Caja(0));
  const QString deCarga = Caja(0)->text();
  ASSERT_EQ(deCarga.size(), 19) << "the load step's date with its time: " << T(deCarga);
  Caja(0)->end(false);
  QTest::keyClicks(Caja(0), "5");
  EXPECT_EQ(Caja(0)->text(), deCarga) << "no room to type";
  Caja(0)->selectAll();
  QTest::keyClicks(Caja(0), "01/02/20245");
  EXPECT_EQ(T(Caja(0)->text()), "01/02/2024");
  Caja(0)->end(false);
  QTest::keyClick(Caja(0), Qt::Key_Backspace);
  QTest::keyClicks(Caja(0), "39");
  EXPECT_EQ(T(Caja(0)->text()), "01/02/2023");
  EXPECT_EQ(ventana->Modelo().TxtFields(0).texto, "01/02/2023");

  Enfocar(Caja(3));
  Caja(3)->clear();
  QTest::keyClicks(Caja(3), QString(260, 'a'));
  EXPECT_EQ(Caja(3)->text().size(), 250);
}

TEST_F(VentanaVornaQt, ElSelectorDeCarpetaDejaLaCarpetaConSuSeparadorFinal) {
  struct Caso {
    std::string elegida;  // "" = cancelled
    std::string esperada;
  };
  const std::string datos = carpeta / "Datos";
  for (const Caso& c : {Caso{datos, datos + "/"}, Caso{datos + "/", datos + "/"}, Caso{"", "C:\\"}}) {
    SCOPED_TRACE(c.elegida);
    Mostrar();
    op->Limpiar();
    op->ResponderTexto(c.elegida);
    ventana->findChild<QPushButton*>("CmdDestino")->click();
    ASSERT_EQ(op->Mostrados().size(), 1u);
    EXPECT_EQ(op->Mostrados()[0].clase, "Carpeta");
    EXPECT_EQ(op->Mostrados()[0].texto, "Seleccionar Directorio");
    EXPECT_EQ(T(Caja(3)->text()), c.esperada);
    EXPECT_EQ(ventana->Modelo().TxtFields(3).texto, c.esperada);
  }
}

TEST_F(VentanaVornaQt, ConfigurarTareaGuardaLaCarpetaAunqueLaTareaSeCancele) {
  Mostrar();
  Enfocar(Caja(3));
  Caja(3)->selectAll();
  QTest::keyClicks(Caja(3), "  /srv/vorna/  ");
  std::string titulo;
  std::string carpetaEnLaTarea;
  // The scheduled-task window is modal: it is answered once it shows.
  std::function<void()> cancelar = [&] {
    auto* tarea = qobject_cast<FrmTareaProgramada*>(QApplication::activeModalWidget());
    if (!tarea) {
      QTimer::singleShot(10, cancelar);
      return;
    }
    titulo = T(tarea->windowTitle());
    carpetaEnLaTarea = tarea->Modelo().CarpetaDestino;
    tarea->findChild<QPushButton*>("CmdCancelar")->click();
  };
  QTimer::singleShot(0, cancelar);
  ventana->findChild<QPushButton*>("cmdTarea")->click();

  EXPECT_EQ(titulo, "PROGRAMADOR DE TAREAS");
  const std::string clave = "UNIFICADOR_VORNA_" + texto::Mayusculas(NombreEquipo());
  EXPECT_EQ(Configuracion(clave), "/srv/vorna/");
  EXPECT_EQ(carpetaEnLaTarea, "/srv/vorna/") << "the task window reads the folder just stored";
  EXPECT_EQ(Configuracion("HORA_UNIFICADORVORNA"), "") << "a cancelled task stores nothing of its own";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(ventana->findChildren<FrmTareaProgramada*>().empty()) << "the task window is unloaded";
}

TEST_F(VentanaVornaQt, UnaOrdenDeLaBarraDuranteLaGeneracionNoAnidaOtraNiCierra) {
  UsarBaseDemo();
  auto operador = std::make_shared<OperadorConIntruso>();
  FijarOperador(operador);
  Mostrar();
  ventana->Modelo().Ventana().FijarTexto(ventana->Modelo().TxtFields(3), destino);
  ventana->Modelo().Ventana().FijarTexto(ventana->Modelo().TxtFields(0), FechaHora::Ahora().MasDias(-15).SoloFecha());
  Casilla("chkVentas")->click();
  Enfocar(Caja(1));

  // The progress label shows the loading text once at the start of each file.
  int archivosEmpezados = 0;
  ventana->Modelo().Ventana().AlCambiar([&](const ControlVentana& c) {
    if (c.nombre == "lblInfo" && c.texto.rfind("Cargando datos ", 0) == 0) ++archivosEmpezados;
  });
  bool barraHabilitada = true, cajasHabilitadas = true, generando = false;
  operador->intruso = [&] {
    generando = ventana->Modelo().GeneracionEnCurso();
    barraHabilitada = Boton("GRABAR")->isEnabled() || Boton("CERRAR")->isEnabled();
    cajasHabilitadas = Caja(0)->isEnabled() || Casilla("chkTodos")->isEnabled();
    Boton("GRABAR")->trigger();
    QTest::keyClick(ventana.get(), Qt::Key_F4);
    // Even a command that gets past the disabled buttons is ignored.
    emit ventana->Barrix1()->ButtonClick("GRABAR");
    emit ventana->Barrix1()->ButtonClick("CERRAR");
    emit ventana->Barrix1()->ButtonClick("CONSULTAR");
    ventana->close();
    QApplication::processEvents();
  };
  Boton("GRABAR")->trigger();

  EXPECT_TRUE(generando);
  EXPECT_EQ(archivosEmpezados, 1) << "no nested run";
  EXPECT_FALSE(barraHabilitada) << "the toolbar is disabled during the run";
  EXPECT_FALSE(cajasHabilitadas) << "the run's parameters cannot change during the run";
  EXPECT_EQ(Archivos(destino), (std::vector<std::string>{"610013001-VTA-1.csv"}));
  EXPECT_FALSE(LeerArchivo(destino + "610013001-VTA-1.csv").empty());
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "1");
  EXPECT_EQ(T(Etiqueta("lblInfo")->text()), "Finalizado");
  EXPECT_TRUE(operador->Mostrados().empty()) << "no picker, no message";
  EXPECT_EQ(terminaciones, 0);
  EXPECT_TRUE(ventana->isVisible());
  EXPECT_TRUE(VentanaAbierta("frmInterfaceVorna"));

  // Afterwards everything answers again, and the next run is the next package.
  EXPECT_TRUE(Boton("GRABAR")->isEnabled());
  EXPECT_TRUE(Caja(0)->isEnabled());
  EXPECT_TRUE(Caja(1)->hasFocus()) << "the focus comes back where it was";
  Tecla(Qt::Key_F4);
  EXPECT_EQ(Archivos(destino), (std::vector<std::string>{"610013001-VTA-1.csv", "610013001-VTA-2.csv"}));
  EXPECT_EQ(Configuracion("NRO_PAQUETE"), "2");
  EXPECT_EQ(archivosEmpezados, 2);
}

// Closing the window, the toolbar's "CERRAR" and its key all run the close
// step: the window state is saved and the program ends, once.
TEST_F(VentanaVornaQt, CerrarGuardaElEstadoYTerminaElPrograma) {
  const std::vector<std::pair<const char*, std::function<void()>>> formas = {
      {"ventana", [this] { ventana->close(); }},
      {"boton", [this] { Boton("CERRAR")->trigger(); }},
      {"tecla", [this] { Tecla(Qt::Key_F6); }},
  };
  for (const auto& [forma, cerrar] : formas) {
    SCOPED_TRACE(forma);
    Ejecutar("DELETE FROM TA_CONFIG_FORM");
    terminaciones = 0;
    Mostrar();
    Casilla("chkStock")->click();
    Enfocar(Caja(3));
    Caja(3)->selectAll();
    const std::string carpetaElegida = std::string("/srv/") + forma + "/";
    QTest::keyClicks(Caja(3), QString::fromStdString(carpetaElegida));
    cerrar();
    QApplication::processEvents();

    EXPECT_EQ(terminaciones, 1);
    EXPECT_FALSE(VentanaAbierta("frmInterfaceVorna"));
    EXPECT_EQ(Consultar("SELECT VALOR FROM TA_CONFIG_FORM WHERE NOMBRE='chkStock' AND PROPIEDAD='Value'"),
              (Filas{{"1"}}));
    EXPECT_EQ(
        Consultar("SELECT USUARIO FROM TA_CONFIG_FORM WHERE NOMBRE='TxtFields' AND VALOR='" + carpetaElegida + "'"),
        (Filas{{"ana"}}));
    ventana->close();  // a close after the close step saves nothing twice
    EXPECT_EQ(terminaciones, 1);

    Mostrar();
    EXPECT_TRUE(Casilla("chkStock")->isChecked());
    EXPECT_EQ(T(Caja(3)->text()), carpetaElegida);
    ventana.reset();
  }
}

}  // namespace
