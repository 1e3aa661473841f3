#include "lookup/ventanas/Lib_FrmCons3.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

#include "lookup/ventanas/FilasQt.h"
#include "lookup/ventanas/TeclaLista.h"
#include "lookup/ventanas/Twips.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Places of the window's design (twips).
constexpr double kMargen = 60;        // the pane's left edge, the label's top
constexpr double kArribaCajas = 420;  // the search boxes' top inside the pane
// The platform counts a window's borders and title bar in its size; a Qt
// window's client area holds neither. The layout rules are applied to the
// client area plus these, so they leave the margins they were made for.
constexpr double kBordesVentana = 120, kTituloVentana = 400;
constexpr int kAltoInicial = 420;  // pixels of list area the window opens with

const char* kEstiloConFoco = "QComboBox { background-color: #00ffff; }";  // red 0, green 255, blue 255
const char* kEstiloSinFoco = "QComboBox { background-color: #ffffff; }";

}  // namespace

Lib_FrmCons3::Lib_FrmCons3(Lib_FrmCons3Modelo& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo) {
  Construir();
  Conectar();
  modelo_.AnchoLetras = [this](int letras) {
    return Twips(fontMetrics().horizontalAdvance(QString(letras, QLatin1Char('X'))), *this);
  };
  if (const QScreen* pantalla = screen()) modelo_.AnchoPantalla = Twips(pantalla->availableGeometry().width(), *this);
  modelo_.UsarVista(this);
  modelo_.Form_Load();
}

Lib_FrmCons3::~Lib_FrmCons3() {
  modelo_.UsarVista(nullptr);
  modelo_.Ventana().QuitarOyente(oyente_);
}

void Lib_FrmCons3::Construir() {
  ModeloVentana& v = modelo_.Ventana();
  setObjectName(Q(v.Nombre()));
  setWindowTitle(Q(v.caption));
  panel_ = new QWidget(this);
  panel_->setObjectName("picFields");
  etiqueta_ = new QLabel(Q(v.Control("Label1")->texto), panel_);
  etiqueta_->setObjectName("Label1");
  nuevo_ = new QPushButton(Q(v.Control("CmdNuevo")->texto), panel_);
  nuevo_->setObjectName("CmdNuevo");
  lista_ = new QTreeView(panel_);
  lista_->setObjectName("ListView1");
  filas_ = new FilasQt(modelo_, this);
  lista_->setModel(filas_);
  lista_->setRootIsDecorated(false);
  lista_->setUniformRowHeights(true);  // a hundred thousand rows draw as fast as ten
  lista_->setAllColumnsShowFocus(true);
  lista_->setSelectionMode(QAbstractItemView::SingleSelection);
  lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lista_->header()->setSectionsClickable(true);
  lista_->header()->setStretchLastSection(false);
  QFont letra = lista_->font();
  letra.setBold(true);
  letra.setPointSize(10);
  lista_->setFont(letra);
  desplazamiento_ = new QScrollBar(Qt::Horizontal, this);
  desplazamiento_->setObjectName("HScroll1");
  botonera_ = new QWidget(this);
  botonera_->setObjectName("Frame1");
  const auto boton = [&](const char* nombre) {
    auto* b = new QPushButton(Q(v.Control(nombre)->texto), botonera_);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    return b;
  };
  aceptar_ = boton("CmdAceptar");
  aceptar_->setDefault(true);
  cancelar_ = boton("CmdCancelar");
  nueva_ = boton("CmdNueva");
  todos_ = boton("CmdTodos");
  nuevo_->setAutoDefault(false);
  botonera_->setFixedHeight(aceptar_->sizeHint().height() + 12);
  Caja(0);
  resize(Pixeles(9000, *this), kAltoInicial);
}

QComboBox* Lib_FrmCons3::Caja(int indice) {
  while (int(cajas_.size()) <= indice) {
    const int i = int(cajas_.size());
    const ControlVentana& c = modelo_.CmbSearch(i);
    auto* caja = new QComboBox(panel_);
    caja->setObjectName("CmbSearch");
    caja->setProperty("Index", i);
    caja->setEditable(true);
    caja->setInsertPolicy(QComboBox::NoInsert);
    caja->setToolTip(Q(c.ayuda));
    caja->setStyleSheet(kEstiloSinFoco);
    caja->installEventFilter(this);
    caja->lineEdit()->installEventFilter(this);
    connect(caja->lineEdit(), &QLineEdit::textEdited, this, [this, i](const QString& t) {
      if (!mostrando_) modelo_.CmbSearch_Escribir(int16_t(i), t.toStdString());
    });
    // Tab goes from box to box, in column order, before the list.
    if (i > 0) setTabOrder(cajas_.back(), caja);
    cajas_.push_back(caja);
  }
  return cajas_[size_t(indice)];
}

QComboBox* Lib_FrmCons3::CmbSearch(int indice) const {
  return indice >= 0 && size_t(indice) < cajas_.size() ? cajas_[size_t(indice)] : nullptr;
}

void Lib_FrmCons3::Conectar() {
  oyente_ = modelo_.Ventana().AlCambiar([this](const ControlVentana& c) {
    if (c.nombre == "CmbSearch") MostrarTextoCaja(c);
  });
  connect(aceptar_, &QPushButton::clicked, this, [this] { modelo_.CmdAceptar_Click(); });
  connect(cancelar_, &QPushButton::clicked, this, [this] { modelo_.CmdCancelar_Click(); });
  connect(nueva_, &QPushButton::clicked, this, [this] { modelo_.CmdNueva_Click(); });
  connect(nuevo_, &QPushButton::clicked, this, [this] { modelo_.CmdNuevo_Click(); });
  connect(todos_, &QPushButton::clicked, this, [this] { modelo_.CmdTodos_Click(); });
  connect(lista_, &QTreeView::doubleClicked, this, [this] { modelo_.ListView1_DblClick(); });
  // The selected row follows the list's current row.
  connect(lista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& actual) {
    if (!mostrando_ && actual.isValid()) modelo_.ListView1_ItemClick(filas_->FilaDe(actual.row()));
  });
  connect(lista_->header(), &QHeaderView::sectionClicked, this,
          [this](int columna) { modelo_.ListView1_ColumnClick(size_t(columna)); });
  connect(lista_->header(), &QHeaderView::sectionResized, this, [this](int columna, int, int ancho) {
    if (!mostrando_) modelo_.ListView1_ColumnResize(size_t(columna), Twips(ancho, *this));
    ColocarCajas();
  });
  connect(lista_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { ColocarCajas(); });
  connect(desplazamiento_, &QScrollBar::valueChanged, this, [this](int valor) {
    modelo_.HScroll1_Change(valor);
    panel_->move(Pixeles(kMargen + modelo_.IzquierdaPanel(), *this), 0);
  });
  lista_->installEventFilter(this);
  lista_->viewport()->installEventFilter(this);
  installEventFilter(this);
}

void Lib_FrmCons3::MostrarTextoCaja(const ControlVentana& c) {
  QComboBox* caja = CmbSearch(c.indice);
  if (!caja || caja->currentText() == Q(c.texto)) return;
  mostrando_ = true;
  caja->setEditText(Q(c.texto));
  mostrando_ = false;
}

// ---- Layout ----

void Lib_FrmCons3::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  Redimensionar();
}

void Lib_FrmCons3::Redimensionar() {
  MedidasLista medidas;
  medidas.altoBotonera = Twips(botonera_->height(), *this);
  medidas.altoDesplazamiento = Twips(desplazamiento_->sizeHint().height(), *this);
  medidas.anchoCancelar = Twips(cancelar_->sizeHint().width(), *this);
  medidas.anchoNueva = Twips(nueva_->sizeHint().width(), *this);
  medidas.anchoNuevo = Twips(nuevo_->sizeHint().width(), *this);
  modelo_.Form_Resize(Twips(width(), *this) + kBordesVentana, Twips(height(), *this) + kTituloVentana, medidas);
  const DisposicionLista& d = modelo_.Disposicion();
  const auto px = [this](double twips) { return Pixeles(twips, *this); };
  panel_->setGeometry(px(kMargen + modelo_.IzquierdaPanel()), 0, px(d.anchoPanel), px(d.altoPanel));
  etiqueta_->setGeometry(0, px(kMargen), std::max(0, px(d.anchoEtiqueta)), nuevo_->sizeHint().height());
  nuevo_->setGeometry(etiqueta_->geometry().right() + 1, px(kMargen), nuevo_->sizeHint().width(),
                      nuevo_->sizeHint().height());
  const int altoCaja = cajas_.front()->sizeHint().height();
  const int arribaLista = px(kArribaCajas) + altoCaja + 2;
  lista_->setGeometry(0, arribaLista, std::max(0, px(d.anchoLista)), std::max(0, px(d.altoLista)));
  desplazamiento_->setGeometry(px(kMargen), px(d.arribaDesplazamiento), std::max(0, px(d.anchoDesplazamiento)),
                               desplazamiento_->sizeHint().height());
  botonera_->setGeometry(0, px(d.arribaBotonera), px(d.anchoBotonera), botonera_->height());
  const int arribaBoton = (botonera_->height() - aceptar_->sizeHint().height()) / 2;
  aceptar_->move(px(d.izquierdaAceptar), arribaBoton);
  aceptar_->resize(aceptar_->sizeHint());
  todos_->move(aceptar_->geometry().right() + 8, arribaBoton);
  todos_->resize(todos_->sizeHint());
  cancelar_->move(px(d.izquierdaCancelar), arribaBoton);
  cancelar_->resize(cancelar_->sizeHint());
  nueva_->move(px(d.izquierdaNueva), arribaBoton);
  nueva_->resize(nueva_->sizeHint());
  ColocarCajas();
}

void Lib_FrmCons3::ColocarCajas() {
  const QHeaderView* h = lista_->header();
  const int izquierdaLista = lista_->x() + lista_->viewport()->x();
  for (size_t k = 0; k < cajas_.size(); ++k) {
    QComboBox* caja = cajas_[k];
    if (int(k) >= h->count()) {
      caja->setVisible(k == 0);
      continue;
    }
    caja->setGeometry(izquierdaLista + h->sectionViewportPosition(int(k)), Pixeles(kArribaCajas, *this),
                      std::max(0, h->sectionSize(int(k)) - Pixeles(50, *this)), caja->sizeHint().height());
    caja->setVisible(true);
  }
}

// ---- The model's notices ----

void Lib_FrmCons3::AntesDeCargar() { filas_->AntesDeCargar(); }

void Lib_FrmCons3::ListaCargada() {
  filas_->Cargada();
  for (int i = 0; i < modelo_.CantidadCajas(); ++i) {
    Caja(i);
    MostrarTextoCaja(modelo_.CmbSearch(i));
  }
  GeometriaCambiada();
  MostrarOrden();
  resize(Pixeles(modelo_.Geometria().anchoVentana - kBordesVentana, *this), height());
  SeleccionCambiada();
}

void Lib_FrmCons3::FilasCambiadas() { filas_->Cambiadas(); }

void Lib_FrmCons3::AntesDeOrdenar() { filas_->AntesDeOrdenar(); }

void Lib_FrmCons3::OrdenCambiado() {
  filas_->Ordenada();
  MostrarOrden();
  SeleccionCambiada();
}

void Lib_FrmCons3::MostrarOrden() {
  QHeaderView* h = lista_->header();
  h->setSortIndicatorShown(modelo_.Ordenada());
  if (modelo_.Ordenada())
    h->setSortIndicator(int(modelo_.ColumnaOrden()), modelo_.Descendente() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void Lib_FrmCons3::SeleccionCambiada() {
  const int fila = filas_->FilaEnVista(modelo_.FilaSeleccionada());
  if (fila < 0) return;
  mostrando_ = true;
  const QModelIndex indice = filas_->index(fila, 0);
  lista_->setCurrentIndex(indice);
  lista_->scrollTo(indice);
  mostrando_ = false;
}

void Lib_FrmCons3::GeometriaCambiada() {
  mostrando_ = true;
  const auto& columnas = modelo_.Columnas();
  for (size_t k = 0; k < columnas.size(); ++k)
    lista_->header()->resizeSection(int(k), Pixeles(columnas[k].ancho, *this));
  mostrando_ = false;
  desplazamiento_->setRange(0, int(modelo_.Geometria().maximoDesplazamiento));
  ColocarCajas();
}

void Lib_FrmCons3::EnfocarCaja(int indice) {
  if (QComboBox* caja = CmbSearch(indice)) caja->setFocus();
}

void Lib_FrmCons3::EnfocarLista() { lista_->setFocus(); }

void Lib_FrmCons3::Ocultar() { done(QDialog::Accepted); }

// ---- Events ----

void Lib_FrmCons3::reject() { modelo_.CmdCancelar_Click(); }

void Lib_FrmCons3::closeEvent(QCloseEvent* e) {
  // The title bar's close is "&Cancelar"; a window the model hid is gone already.
  if (isVisible()) modelo_.CmdCancelar_Click();
  e->accept();
}

// The search box a widget is (the combo box or its line edit); null for any other.
QComboBox* Lib_FrmCons3::CajaDe(QObject* objeto) const {
  auto* caja = qobject_cast<QComboBox*>(objeto);
  if (!caja)
    if (auto* edicion = qobject_cast<QLineEdit*>(objeto)) caja = qobject_cast<QComboBox*>(edicion->parentWidget());
  return caja && std::find(cajas_.begin(), cajas_.end(), caja) != cajas_.end() ? caja : nullptr;
}

bool Lib_FrmCons3::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress && Tecla(objeto, static_cast<QKeyEvent*>(evento))) return true;
  // The combo box has the focus (its line edit is its proxy).
  if (auto* caja = qobject_cast<QComboBox*>(objeto); caja && CajaDe(caja)) {
    if (evento->type() == QEvent::FocusIn) {
      caja->setStyleSheet(kEstiloConFoco);
      modelo_.CmbSearch_GotFocus(int16_t(caja->property("Index").toInt()));
    } else if (evento->type() == QEvent::FocusOut) {
      caja->setStyleSheet(kEstiloSinFoco);
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

bool Lib_FrmCons3::Tecla(QObject* objeto, QKeyEvent* tecla) {
  // A key reaches the filter once per widget it travels through: only its
  // first receiver counts, the focused widget (a search box may get it on
  // its line edit). Whatever a key does here takes it, so a key passed on
  // from a box to its line edit does nothing twice.
  QWidget* foco = QApplication::focusWidget();
  QComboBox* caja = CajaDe(objeto);
  const bool primero = objeto == foco || (caja && caja == foco) || (objeto == lista_ && foco == lista_->viewport());
  if (!primero) return false;
  const TeclaLista t = TeclaDe(*tecla);
  if (modelo_.Form_KeyDown(t)) return true;
  if (caja) {
    if (t == TeclaLista::Enter) {
      aceptar_->click();
      return true;
    }
    return modelo_.CmbSearch_KeyDown(int16_t(caja->property("Index").toInt()), t);
  }
  if (objeto == lista_)
    return modelo_.ListView1_KeyDown(t, tecla->modifiers() & Qt::ShiftModifier, tecla->text().toStdString());
  return false;
}

void MostrarConsultaLista(Lib_FrmCons3Modelo& modelo) {
  Lib_FrmCons3 ventana(modelo, QApplication::activeWindow());
  ventana.exec();
}
