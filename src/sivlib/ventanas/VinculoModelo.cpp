#include "sivlib/ventanas/VinculoModelo.h"

#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "sivlib/CamposVentana.h"
#include "sivlib/ValoresGlobales.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

void Nombrar(QWidget* w, const ControlVentana& c) {
  w->setObjectName(Q(c.nombre));
  if (c.indice >= 0) w->setProperty("Index", c.indice);
  if (!c.ayuda.empty()) w->setToolTip(Q(c.ayuda));
  w->setEnabled(c.habilitado);
}
}  // namespace

VinculoModelo::VinculoModelo(ModeloVentana& modelo, QObject* padre)
    : QObject(padre), modelo_(modelo), modeloVivo_(modelo.Vida()) {
  oyente_ = modelo_.AlCambiar([this](const ControlVentana& c) { Mostrar(c); });
}

VinculoModelo::~VinculoModelo() {
  if (!modeloVivo_.expired()) modelo_.QuitarOyente(oyente_);
}

QLineEdit* VinculoModelo::Caja(ControlVentana& c, QWidget* padre, int largoMaximo) {
  auto* w = new QLineEdit(Q(c.texto), padre);
  Nombrar(w, c);
  if (largoMaximo > 0) w->setMaxLength(largoMaximo);
  widgets_[&c] = w;
  connect(w, &QLineEdit::textEdited, this, [&c, this](const QString& t) {
    if (!actualizando_) c.texto = t.toStdString();
  });
  return w;
}

QCheckBox* VinculoModelo::Casilla(ControlVentana& c, QWidget* padre) {
  auto* w = new QCheckBox(Q(c.texto), padre);
  Nombrar(w, c);
  w->setTristate(c.valor == 2);
  w->setCheckState(c.valor == 1 ? Qt::Checked : c.valor == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
  widgets_[&c] = w;
  connect(w, &QCheckBox::stateChanged, this, [&c, this](int estado) {
    if (!actualizando_) c.valor = estado == Qt::Checked ? 1 : estado == Qt::PartiallyChecked ? 2 : 0;
  });
  return w;
}

QLabel* VinculoModelo::Etiqueta(ControlVentana& c, QWidget* padre) {
  auto* w = new QLabel(Q(c.texto), padre);
  Nombrar(w, c);
  widgets_[&c] = w;
  return w;
}

QPushButton* VinculoModelo::Boton(ControlVentana& c, QWidget* padre) {
  auto* w = new QPushButton(Q(c.texto), padre);
  Nombrar(w, c);
  widgets_[&c] = w;
  return w;
}

ControlVentana* VinculoModelo::ControlDe(const QObject* widget) const {
  for (const auto& [c, w] : widgets_)
    if (w == widget) return const_cast<ControlVentana*>(c);
  return nullptr;
}

QWidget* VinculoModelo::WidgetDe(const ControlVentana& c) const {
  auto it = widgets_.find(&c);
  return it == widgets_.end() ? nullptr : it->second;
}

void VinculoModelo::Mostrar(const ControlVentana& c) {
  QWidget* w = WidgetDe(c);
  if (!w) return;
  actualizando_ = true;
  if (auto* caja = qobject_cast<QLineEdit*>(w)) {
    // The program may put in more than the operator may type (a date with its time).
    const int largo = caja->maxLength();
    caja->setMaxLength(32767);
    caja->setText(Q(c.texto));
    // A long text put in by the program shows from its beginning.
    if (!caja->hasFocus()) caja->setCursorPosition(0);
    if (int(c.texto.size()) <= largo) caja->setMaxLength(largo);
  } else if (auto* casilla = qobject_cast<QCheckBox*>(w)) {
    if (c.valor == 2) casilla->setTristate(true);
    casilla->setCheckState(c.valor == 1 ? Qt::Checked : c.valor == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
  } else if (auto* etiqueta = qobject_cast<QLabel*>(w)) {
    etiqueta->setText(Q(c.texto));
  } else if (auto* boton = qobject_cast<QPushButton*>(w)) {
    boton->setText(Q(c.texto));
  }
  w->setEnabled(c.habilitado);
  actualizando_ = false;
}

QString ColorPlataforma(int32_t bgr) {
  const uint32_t v = uint32_t(bgr);
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)).name();
}

ComportamientoCajas::ComportamientoCajas(VinculoModelo& vinculo, QObject* padre) : QObject(padre), vinculo_(vinculo) {}

void ComportamientoCajas::Aplicar(QLineEdit* caja) { caja->installEventFilter(this); }

bool ComportamientoCajas::eventFilter(QObject* objeto, QEvent* evento) {
  auto* caja = qobject_cast<QLineEdit*>(objeto);
  ControlVentana* c = caja ? vinculo_.ControlDe(caja) : nullptr;
  if (!c) return QObject::eventFilter(objeto, evento);
  switch (evento->type()) {
    // The colours hold while the box takes typing: a disabled box keeps the
    // style's disabled look, so the operator sees that it refuses keys.
    case QEvent::FocusIn:
      caja->setStyleSheet(QString("QLineEdit:enabled { background-color: %1; color: %2; }")
                              .arg(ColorPlataforma(gColorFondo), ColorPlataforma(gColorLetra)));
      if (alEnfocar) alEnfocar(c->indice);
      break;
    case QEvent::FocusOut:
      caja->setStyleSheet("QLineEdit:enabled { background-color: #ffffff; color: #000000; }");
      break;
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(evento);
      const int codigo = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter ? 13
                         : k->key() == Qt::Key_Down                              ? 40
                                                                                 : 0;
      if (codigo && EsTeclaAvance(codigo)) {
        // A Tab key lets the window choose the next focusable control.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(caja, &tab);
        return true;
      }
      const QString t = k->text();
      if (t.size() == 1 && t[0].unicode() < 128 && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const char filtrado = FiltrarTecla(*c, char(t[0].unicode()));
        if (filtrado == 0) return true;
      }
      break;
    }
    default: break;
  }
  return QObject::eventFilter(objeto, evento);
}
