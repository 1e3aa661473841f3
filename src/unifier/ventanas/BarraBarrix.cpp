#include "unifier/ventanas/BarraBarrix.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QToolButton>

namespace {

struct BotonBarrix {
  const char* clave;
  const char* texto;
  QStyle::StandardPixmap icono;
  int16_t tecla;  // platform key code
  const char* nombreTecla;
};

// F2..F6 in the order of the buttons: one row of keys, easy to learn, and
// none of them edits the text of a box.
constexpr BotonBarrix kBotones[] = {
    {"NUEVO", "Nuevo", QStyle::SP_FileIcon, 113, "F2"},
    {"BORRAR", "Borrar", QStyle::SP_TrashIcon, 114, "F3"},
    {"GRABAR", "Grabar", QStyle::SP_DialogSaveButton, 115, "F4"},
    {"CONSULTAR", "Consultar", QStyle::SP_FileDialogContentsView, 116, "F5"},
    {"CERRAR", "Cerrar", QStyle::SP_DialogCloseButton, 117, "F6"},
};

const BotonBarrix* BuscarBoton(const QString& clave) {
  for (const BotonBarrix& b : kBotones)
    if (clave.compare(QLatin1String(b.clave), Qt::CaseInsensitive) == 0) return &b;
  return nullptr;
}

}  // namespace

BarraBarrix::BarraBarrix(QWidget* padre) : QToolBar(padre) {
  setObjectName("Barrix1");
  setWindowTitle("Barra de herramientas");
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const BotonBarrix& b : kBotones) {
    QAction* a = addAction(style()->standardIcon(b.icono), QString::fromUtf8(b.texto));
    a->setObjectName(QLatin1String(b.clave));
    a->setData(QLatin1String(b.clave));
    a->setToolTip(QString("%1 (%2)").arg(QString::fromUtf8(b.texto), QLatin1String(b.nombreTecla)));
    connect(a, &QAction::triggered, this, [this, a] { emit ButtonClick(a->data().toString()); });
  }
}

QAction* BarraBarrix::Boton(const QString& clave) const {
  for (QAction* a : actions())
    if (a->data().toString().compare(clave, Qt::CaseInsensitive) == 0) return a;
  return nullptr;
}

int16_t BarraBarrix::TeclaDe(const QString& clave) {
  const BotonBarrix* b = BuscarBoton(clave);
  return b ? b->tecla : 0;
}

void BarraBarrix::TeclaPresionada(int16_t& KeyCode, int16_t Shift) {
  if (Shift != 0) return;
  for (const BotonBarrix& b : kBotones) {
    if (b.tecla != KeyCode) continue;
    QAction* a = Boton(QLatin1String(b.clave));
    if (!a || !a->isEnabled() || !isEnabled()) return;
    KeyCode = 0;
    a->trigger();
    return;
  }
}

void BarraBarrix::HabilitarBotones(bool habilitar) {
  for (QAction* a : actions()) a->setEnabled(habilitar);
}

void BarraBarrix::FijarSoloIconos(bool v) {
  setToolButtonStyle(v ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

void BarraBarrix::FijarMenuContextual(bool v) {
  setContextMenuPolicy(v ? Qt::DefaultContextMenu : Qt::PreventContextMenu);
}

void BarraBarrix::FijarTabulable(bool v) {
  tabulable_ = v;
  for (QToolButton* boton : findChildren<QToolButton*>()) boton->setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}
