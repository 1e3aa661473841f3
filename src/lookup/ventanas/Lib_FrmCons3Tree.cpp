#include "lookup/ventanas/Lib_FrmCons3Tree.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The widget takes the control's name, family index and tool tip.
template <class W>
W* Nombrado(W* w, const ControlVentana& c) {
  w->setObjectName(Q(c.nombre));
  if (c.indice >= 0) w->setProperty("Index", c.indice);
  if (!c.ayuda.empty()) w->setToolTip(Q(c.ayuda));
  return w;
}

QPushButton* BotonDe(ModeloVentana& m, const char* nombre, QWidget* padre) {
  const ControlVentana& c = *m.Control(nombre);
  auto* b = Nombrado(new QPushButton(Q(c.texto), padre), c);
  b->setAutoDefault(false);
  return b;
}

// Keys of the search box that hand the focus to the tree.
bool LlevaAlArbol(int tecla) {
  return tecla == Qt::Key_Up || tecla == Qt::Key_Down || tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown;
}

}  // namespace

Lib_FrmCons3Tree::Lib_FrmCons3Tree(Lib_FrmCons3TreeModelo& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo) {
  ModeloVentana& m = modelo_.Ventana();
  setObjectName(Q(m.Nombre()));
  setWindowTitle(Q(m.caption));

  auto* panel = Nombrado(new QWidget(this), *m.Control("picFields"));
  busqueda_ = Nombrado(new QComboBox(panel), modelo_.CajaBusqueda());
  busqueda_->setEditable(true);
  busqueda_->setInsertPolicy(QComboBox::NoInsert);
  busqueda_->installEventFilter(this);
  busqueda_->lineEdit()->installEventFilter(this);
  arbol_ = Nombrado(new QTreeWidget(panel), *m.Control("TreeV"));
  arbol_->setHeaderHidden(true);
  arbol_->setRootIsDecorated(true);
  arbol_->setUniformRowHeights(true);
  auto* columnaPanel = new QVBoxLayout(panel);
  columnaPanel->setContentsMargins(0, 0, 0, 0);
  columnaPanel->addWidget(busqueda_);
  columnaPanel->addWidget(arbol_);

  auto* barra = Nombrado(new QFrame(this), *m.Control("Frame1"));
  QPushButton* aceptar = BotonDe(m, "CmdAceptar", barra);
  QPushButton* cancelar = BotonDe(m, "CmdCancelar", barra);
  QPushButton* nueva = BotonDe(m, "CmdNueva", barra);
  aceptar->setDefault(true);
  auto* botones = new QHBoxLayout(barra);
  botones->addWidget(aceptar);
  botones->addStretch();
  botones->addWidget(cancelar);
  botones->addStretch();
  botones->addWidget(nueva);

  auto* todo = new QVBoxLayout(this);
  todo->addWidget(panel, 1);
  todo->addWidget(barra);
  resize(480, 520);

  connect(aceptar, &QPushButton::clicked, this, &Lib_FrmCons3Tree::Aceptar);
  connect(cancelar, &QPushButton::clicked, this, &Lib_FrmCons3Tree::reject);
  connect(nueva, &QPushButton::clicked, this, [this] {
    modelo_.CmdNueva_Click();
    Mostrar();
  });
  connect(busqueda_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) {
    modelo_.CajaBusqueda().texto = t.toStdString();
    modelo_.CmbSearch_Change();
    MostrarSeleccion();
  });
  connect(arbol_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* actual) {
    if (!mostrando_) modelo_.SeleccionarNodo(NodoDe(actual));
  });
  connect(arbol_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    if (mostrando_) return;
    modelo_.TreeV_NodeCheck(NodoDe(item), item->checkState(0) == Qt::Checked);
    MostrarMarcas();
  });
  connect(arbol_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    modelo_.SeleccionarNodo(NodoDe(item));
    Aceptar();
  });

  modelo_.Form_Load();
  Mostrar();
  busqueda_->setFocus();
}

void Lib_FrmCons3Tree::Aceptar() {
  modelo_.CmdAceptar_Click();
  accept();
}

void Lib_FrmCons3Tree::reject() {
  modelo_.CmdCancelar_Click();
  QDialog::reject();
}

void Lib_FrmCons3Tree::closeEvent(QCloseEvent* e) {
  modelo_.Form_Unload();
  Mostrar();
  QDialog::closeEvent(e);
}

bool Lib_FrmCons3Tree::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return QDialog::eventFilter(objeto, evento);
  const int tecla = static_cast<QKeyEvent*>(evento)->key();
  if (tecla == Qt::Key_F5) {
    modelo_.CmbSearch_F5();
    Mostrar();
    return true;
  }
  if (LlevaAlArbol(tecla)) {
    arbol_->setFocus();
    return true;
  }
  return QDialog::eventFilter(objeto, evento);
}

void Lib_FrmCons3Tree::Mostrar() {
  if (versionMostrada_ != modelo_.Version()) MostrarNodos();
  MostrarMarcas();
  MostrarSeleccion();
  const QString texto = Q(modelo_.CajaBusqueda().texto);
  if (busqueda_->currentText() != texto) busqueda_->setEditText(texto);
}

void Lib_FrmCons3Tree::MostrarNodos() {
  mostrando_ = true;
  arbol_->clear();
  items_.clear();
  const NodosArbol& nodos = modelo_.Nodos();
  const QIcon carpeta = style()->standardIcon(QStyle::SP_DirIcon);
  const QIcon hoja = style()->standardIcon(QStyle::SP_FileIcon);
  QList<QTreeWidgetItem*> arriba;
  items_.reserve(size_t(nodos.Cantidad()));
  // Children are attached before their parent joins the tree: one insertion per top node.
  for (int i = 0; i < nodos.Cantidad(); ++i) {
    const NodoArbol& n = nodos[i];
    auto* item = new QTreeWidgetItem(QStringList{Q(n.texto)});
    item->setData(0, Qt::UserRole, i);
    item->setIcon(0, n.hijos.empty() ? hoja : carpeta);
    if (modelo_.ConCasillas()) item->setCheckState(0, n.marcado ? Qt::Checked : Qt::Unchecked);
    else item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    items_.push_back(item);
    if (n.padre < 0) arriba.push_back(item);
    else items_[size_t(n.padre)]->addChild(item);
  }
  arbol_->addTopLevelItems(arriba);
  // The root ("Consulta...") opens expanded.
  if (!arriba.isEmpty()) arriba.front()->setExpanded(true);
  versionMostrada_ = modelo_.Version();
  mostrando_ = false;
}

void Lib_FrmCons3Tree::MostrarMarcas() {
  if (!modelo_.ConCasillas()) return;
  mostrando_ = true;
  const NodosArbol& nodos = modelo_.Nodos();
  for (size_t i = 0; i < items_.size(); ++i) {
    const Qt::CheckState estado = nodos[int(i)].marcado ? Qt::Checked : Qt::Unchecked;
    if (items_[i]->checkState(0) != estado) items_[i]->setCheckState(0, estado);
  }
  mostrando_ = false;
}

void Lib_FrmCons3Tree::MostrarSeleccion() {
  const int n = modelo_.NodoSeleccionado();
  QTreeWidgetItem* item = n >= 0 && size_t(n) < items_.size() ? items_[size_t(n)] : nullptr;
  mostrando_ = true;
  if (item != arbol_->currentItem()) arbol_->setCurrentItem(item);
  // Scrolling to a node opens the nodes above it.
  if (item) arbol_->scrollToItem(item);
  mostrando_ = false;
}

int Lib_FrmCons3Tree::NodoDe(const QTreeWidgetItem* item) const {
  return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void MostrarConsultaArbol(Lib_FrmCons3TreeModelo& modelo) {
  Lib_FrmCons3Tree ventana(modelo, QApplication::activeWindow());
  ventana.exec();
}
