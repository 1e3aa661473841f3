#include "services/ventanas/BarraEstadoQt.h"

#include <QFrame>

BarraEstadoQt::BarraEstadoQt(const std::vector<std::string>& claves, QWidget* padre) : QStatusBar(padre) {
  setObjectName("StatusBar1");
  for (size_t i = 0; i < claves.size(); ++i) {
    auto* panel = new QLabel(this);
    panel->setObjectName(QString::fromStdString(claves[i]));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addPermanentWidget(panel, i == 0 ? 1 : 0);
    paneles_.push_back(panel);
  }
}

QLabel* BarraEstadoQt::Panel(const std::string& clave) const {
  const QString buscada = QString::fromStdString(clave);
  for (QLabel* p : paneles_)
    if (p->objectName().compare(buscada, Qt::CaseInsensitive) == 0) return p;
  return nullptr;
}

std::string BarraEstadoQt::Texto(const std::string& clave) const {
  const QLabel* p = Panel(clave);
  return p ? p->text().toStdString() : "";
}

void BarraEstadoQt::FijarTexto(const std::string& clave, const std::string& texto) {
  if (QLabel* p = Panel(clave)) p->setText(QString::fromStdString(texto));
}

void BarraEstadoQt::FijarAyuda(const std::string& clave, const std::string& ayuda) {
  if (QLabel* p = Panel(clave)) p->setToolTip(QString::fromStdString(ayuda));
}
