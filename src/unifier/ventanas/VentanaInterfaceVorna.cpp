#include "unifier/ventanas/VentanaInterfaceVorna.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "services/ventanas/BarraEstadoQt.h"
#include "services/ventanas/MarcoVentanaQt.h"
#include "sivlib/ventanas/VinculoModelo.h"
#include "unifier/ventanas/BarraBarrix.h"
#include "unifier/ventanas/FrmTareaProgramada.h"
#include "unifier/ventanas/LargoTecleado.h"
#include "unifier/ventanas/TeclaPlataforma.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A frame of the model as a group box (a frame without caption stays a plain box).
QGroupBox* Marco(ModeloVentana& m, const char* nombre, QWidget* padre) {
  const ControlVentana* c = m.Control(nombre);
  auto* g = new QGroupBox(c ? Q(c->texto) : QString(), padre);
  g->setObjectName(QLatin1String(nombre));
  return g;
}

// The progress text set right before a data set's query is opened.
bool EsAvisoDeConsulta(const std::string& texto) { return texto.rfind("Cargando datos ", 0) == 0; }

// Width of a date box: a date with its time of day, as the load step writes it.
int AnchoFecha(const QLineEdit& caja) {
  return caja.fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000 00:00:00")) + 24;
}

}  // namespace

VentanaInterfaceVorna::VentanaInterfaceVorna(QWidget* padre) : QMainWindow(padre) {
  AlTerminar = [] { QCoreApplication::exit(0); };
  Construir();
  ConectarModelo();
  VerTeclasAntes();
  modelo_.Form_Load();
}

VentanaInterfaceVorna::~VentanaInterfaceVorna() { modelo_.Ventana().QuitarOyente(oyente_); }

void VentanaInterfaceVorna::Construir() {
  ModeloVentana& m = modelo_.Ventana();
  setObjectName(Q(m.Nombre()));
  setWindowTitle(Q(m.caption));
  vinculo_ = new VinculoModelo(m, this);
  cajas_ = new ComportamientoCajas(*vinculo_, this);
  cajas_->alEnfocar = [this](int indice) { modelo_.TxtFields_GotFocus(int16_t(indice)); };

  barra_ = new BarraBarrix(this);
  addToolBar(Qt::TopToolBarArea, barra_);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  controles_ = new QWidget(central);
  auto* arriba = new QHBoxLayout;
  arriba->addWidget(vinculo_->Casilla(*m.Control("chkTodos"), controles_));
  arriba->addStretch();
  arriba->addWidget(vinculo_->Boton(*m.Control("cmdTarea"), controles_));
  auto* medio = new QHBoxLayout;
  medio->addWidget(MarcoTipo(), 1);
  medio->addWidget(MarcoFechas(), 1);
  auto* capaControles = new QVBoxLayout(controles_);
  capaControles->setContentsMargins(0, 0, 0, 0);
  capaControles->addLayout(arriba);
  capaControles->addLayout(medio);
  capaControles->addWidget(MarcoDestino());

  QLabel* info = vinculo_->Etiqueta(modelo_.lblInfo(), central);
  info->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // One row per written line goes through this label: a long text must
  // not resize the window.
  info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  info->setMinimumHeight(info->sizeHint().height() + 4);

  auto* todo = new QVBoxLayout(central);
  todo->addWidget(controles_);
  todo->addWidget(info);
  todo->addStretch();

  estado_ = new BarraEstadoQt(PanelesEstandar(), this);
  estado_->setObjectName("sbStatusBar");
  setStatusBar(estado_);
  resize(620, sizeHint().height());
}

QLineEdit* VentanaInterfaceVorna::Caja(int indice, QWidget* padre) {
  ControlVentana& c = modelo_.TxtFields(indice);
  QLineEdit* w = vinculo_->Caja(c, padre, c.largoMaximo);
  cajas_->Aplicar(w);
  return w;
}

QWidget* VentanaInterfaceVorna::MarcoTipo() {
  ModeloVentana& m = modelo_.Ventana();
  QGroupBox* tipo = Marco(m, "Frame1", controles_);
  auto* grilla = new QGridLayout(tipo);
  const char* casillas[] = {"chkVentas", "chkStock", "chkClientes", "chkRuta"};
  for (int i = 0; i < 4; ++i) grilla->addWidget(vinculo_->Casilla(*m.Control(casillas[i]), tipo), i % 2, i / 2);
  return tipo;
}

QWidget* VentanaInterfaceVorna::MarcoFechas() {
  ModeloVentana& m = modelo_.Ventana();
  QGroupBox* parametros = Marco(m, "FrmSIAPCITIVentas", controles_);
  auto* grilla = new QGridLayout(parametros);
  for (int i = 0; i < 2; ++i) {
    QLabel* etiqueta = vinculo_->Etiqueta(*m.Control("Label1", i), parametros);
    QLineEdit* fecha = Caja(i, parametros);
    fecha->setMinimumWidth(AnchoFecha(*fecha));
    etiqueta->setBuddy(fecha);
    grilla->addWidget(etiqueta, i, 0);
    grilla->addWidget(fecha, i, 1);
  }
  return parametros;
}

QWidget* VentanaInterfaceVorna::MarcoDestino() {
  ModeloVentana& m = modelo_.Ventana();
  QGroupBox* destino = Marco(m, "Frame2", controles_);
  auto* fila = new QHBoxLayout(destino);
  QLabel* etiqueta = vinculo_->Etiqueta(*m.Control("Label1", 3), destino);
  QLineEdit* carpeta = Caja(3, destino);
  etiqueta->setBuddy(carpeta);
  QPushButton* elegir = vinculo_->Boton(*m.Control("CmdDestino"), destino);
  elegir->setMaximumWidth(elegir->fontMetrics().horizontalAdvance(elegir->text()) + 24);
  fila->addWidget(etiqueta);
  fila->addWidget(carpeta, 1);
  fila->addWidget(elegir);
  return destino;
}

void VentanaInterfaceVorna::ConectarModelo() {
  // Registered after the widgets' link, so the label holds the new text.
  oyente_ = modelo_.Ventana().AlCambiar([this](const ControlVentana& c) {
    if (&c == &modelo_.lblInfo() && EsAvisoDeConsulta(c.texto)) MostrarAntesDeConsultar();
  });
  marco_ = std::make_unique<MarcoVentanaQt>(*this);
  modelo_.UsarMarco(*marco_);
  modelo_.UsarBarraEstado(*estado_);
  // The window has no use for a movable, detachable or focus-taking bar,
  // and the buttons keep their captions.
  modelo_.PrepararBarraHerramientas = [this] {
    for (const char* propiedad : {"Movible", "Flotante", "SoloIconos", "MenuContextual", "Tabulable"})
      barra_->setProperty(propiedad, false);
  };
  modelo_.TeclaBarraHerramientas = [this](int16_t& KeyCode, int16_t Shift) { barra_->TeclaPresionada(KeyCode, Shift); };
  modelo_.AbrirTareaProgramada = [this] {
    FrmTareaProgramada tarea(this);
    tarea.exec();
  };
  modelo_.TerminarPrograma = [this] { Terminar(); };

  connect(barra_, &BarraBarrix::ButtonClick, this, &VentanaInterfaceVorna::BotonBarra);
  ModeloVentana& m = modelo_.Ventana();
  connect(static_cast<QPushButton*>(vinculo_->WidgetDe(*m.Control("CmdDestino"))), &QPushButton::clicked, this,
          [this] { modelo_.CmdDestino_Click(); });
  connect(static_cast<QPushButton*>(vinculo_->WidgetDe(*m.Control("cmdTarea"))), &QPushButton::clicked, this,
          [this] { modelo_.cmdTarea_Click(); });
}

void VentanaInterfaceVorna::VerTeclasAntes() {
  // The last filter installed runs first: this one goes in after the text
  // boxes' own, so the toolbar sees a key before the box does.
  installEventFilter(this);
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

bool VentanaInterfaceVorna::eventFilter(QObject* objeto, QEvent* evento) {
  // A key the focused widget ignores travels up to its parents, which
  // this filter also watches: only its first receiver counts.
  QWidget* foco = QApplication::focusWidget();
  const bool primerReceptor = objeto == foco || (!foco && objeto == this);
  if (evento->type() == QEvent::KeyPress && primerReceptor) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    int16_t codigo = CodigoTeclaPlataforma(*tecla);
    if (codigo != 0) {
      modelo_.Form_KeyDown(codigo, EstadoShiftPlataforma(*tecla));
      if (codigo == 0) return true;  // the toolbar took it
    }
    const auto* caja = qobject_cast<QLineEdit*>(objeto);
    const ControlVentana* c = caja ? vinculo_->ControlDe(caja) : nullptr;
    if (c && SuperaLargoTecleado(*caja, c->largoMaximo, *tecla)) return true;
  }
  return QMainWindow::eventFilter(objeto, evento);
}

void VentanaInterfaceVorna::BotonBarra(const QString& clave) {
  if (modelo_.GeneracionEnCurso()) return;
  if (clave.compare("GRABAR", Qt::CaseInsensitive) == 0) {
    Generar();
    return;
  }
  modelo_.Barrix1_ButtonClick(clave.toStdString());
}

void VentanaInterfaceVorna::Generar() {
  QWidget* foco = QApplication::focusWidget();
  barra_->HabilitarBotones(false);
  controles_->setEnabled(false);
  modelo_.Barrix1_ButtonClick("GRABAR");
  controles_->setEnabled(true);
  barra_->HabilitarBotones(true);
  if (foco && foco->isVisible()) foco->setFocus();
}

void VentanaInterfaceVorna::MostrarAntesDeConsultar() {
  // The query that follows may take seconds on a large database, and no
  // event runs until its first row: paint now, so the operator reads what
  // is going on and sees the inputs disabled, not the previous "Finalizado".
  repaint();
}

void VentanaInterfaceVorna::Terminar() {
  cerrada_ = true;
  if (AlTerminar) AlTerminar();
}

void VentanaInterfaceVorna::closeEvent(QCloseEvent* evento) {
  if (modelo_.GeneracionEnCurso()) {
    // Ending now would leave the files of this package half written.
    evento->ignore();
    return;
  }
  if (!cerrada_) {
    int16_t cancelar = 0;
    modelo_.Form_Unload(cancelar);
  }
  evento->accept();
}

void VentanaInterfaceVorna::showEvent(QShowEvent* evento) {
  QMainWindow::showEvent(evento);
  if (!primeraVez_) return;
  primeraVez_ = false;
  // The operator starts on "Fecha Desde", the box CampoActual names at first.
  if (QWidget* desde = vinculo_->WidgetDe(modelo_.TxtFields(0))) desde->setFocus();
}
