#include "services/ventanas/MarcoVentanaQt.h"

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>

// Resources compiled into a static library must be registered by hand;
// the macro cannot stand inside a namespace.
static void RegistrarRecursosServicios() { Q_INIT_RESOURCE(servicios); }

MarcoVentanaQt::MarcoVentanaQt(QWidget& ventana, std::string tipo) : ventana_(ventana), tipo_(std::move(tipo)) {
  if (tipo_.empty())
    tipo_ = ventana.objectName().isEmpty() ? ventana.metaObject()->className() : ventana.objectName().toStdString();
}

bool MarcoVentanaQt::FijarIcono(const QString& origen) {
  // A missing or unreadable image leaves the window without an icon.
  if (!QFile::exists(origen) || QImageReader(origen).read().isNull()) return false;
  ventana_.setWindowIcon(QIcon(origen));
  conIcono_ = true;
  return true;
}

bool MarcoVentanaQt::FijarIconoRecurso(const std::string& recurso) {
  static const bool registrados = (RegistrarRecursosServicios(), true);
  (void)registrados;
  return FijarIcono(":/" + QString::fromStdString(recurso));
}

bool MarcoVentanaQt::CargarIconoArchivo(const std::string& ruta) { return FijarIcono(QString::fromStdString(ruta)); }

bool MarcoVentanaQt::FijarEstiloBarra(const std::string& barra, int estilo) {
  auto* toolbar = ventana_.findChild<QToolBar*>(QString::fromStdString(barra));
  if (!toolbar) return false;
  toolbar->setProperty("StyleBar", estilo);
  for (QToolButton* boton : toolbar->findChildren<QToolButton*>()) boton->setAutoRaise(estilo != 0);
  return true;
}

void AplicarMarcoVentana(QWidget& ventana, const std::string& tipo) {
  MarcoVentanaQt marco(ventana, tipo);
  AplicarMarcoVentana(static_cast<MarcoVentana&>(marco));
}
