#include "sivlib/ventanas/OperadorQt.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "sivlib/FechaHora.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The platform's message text uses CR as line break.
QString TextoMensaje(const std::string& s) {
  QString t = Q(s);
  t.replace("\r\n", "\n");
  t.replace('\r', '\n');
  return t;
}

}  // namespace

int OperadorQt::Mensaje(const std::string& texto, int estilo, const std::string& titulo) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(Q(titulo));
  box.setText(TextoMensaje(texto));
  switch (estilo & 0x70) {
    case botones::Critico: box.setIcon(QMessageBox::Critical); break;
    case botones::Pregunta: box.setIcon(QMessageBox::Question); break;
    case botones::Exclamacion: box.setIcon(QMessageBox::Warning); break;
    case botones::Informacion: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  struct Boton {
    QString texto;
    int codigo;
    QMessageBox::ButtonRole rol;
  };
  std::vector<Boton> lista;
  switch (botones::Conjunto(estilo)) {
    case botones::OKCancelar:
      lista = {{"Aceptar", 1, QMessageBox::AcceptRole}, {"Cancelar", 2, QMessageBox::RejectRole}};
      break;
    case botones::AbortarReintentarIgnorar:
      lista = {{"&Anular", 3, QMessageBox::RejectRole},
               {"&Reintentar", 4, QMessageBox::AcceptRole},
               {"&Omitir", 5, QMessageBox::ActionRole}};
      break;
    case botones::SiNoCancelar:
      lista = {
          {"&Sí", 6, QMessageBox::YesRole}, {"&No", 7, QMessageBox::NoRole}, {"Cancelar", 2, QMessageBox::RejectRole}};
      break;
    case botones::SiNo: lista = {{"&Sí", 6, QMessageBox::YesRole}, {"&No", 7, QMessageBox::NoRole}}; break;
    case botones::ReintentarCancelar:
      lista = {{"&Reintentar", 4, QMessageBox::AcceptRole}, {"Cancelar", 2, QMessageBox::RejectRole}};
      break;
    default: lista = {{"Aceptar", 1, QMessageBox::AcceptRole}}; break;
  }
  std::vector<std::pair<QAbstractButton*, int>> mapa;
  for (const auto& b : lista) mapa.emplace_back(box.addButton(b.texto, b.rol), b.codigo);
  box.setDefaultButton(static_cast<QPushButton*>(mapa.front().first));
  box.exec();
  for (const auto& [boton, codigo] : mapa)
    if (box.clickedButton() == boton) return codigo;
  // Closed with Escape or the title bar: Cancel where offered, else the last button.
  for (const auto& b : lista)
    if (b.codigo == respuesta::Cancelar) return respuesta::Cancelar;
  return lista.back().codigo;
}

std::string OperadorQt::Entrada(const std::string& indicacion, const std::string& titulo, const std::string& inicial) {
  bool ok = false;
  const QString r =
      QInputDialog::getText(QApplication::activeWindow(), Q(titulo), Q(indicacion), QLineEdit::Normal, Q(inicial), &ok);
  return ok ? r.toStdString() : std::string();
}

std::string OperadorQt::ElegirCarpeta(const std::string& titulo, const std::string& inicial) {
  return QFileDialog::getExistingDirectory(QApplication::activeWindow(), Q(titulo), Q(inicial)).toStdString();
}

std::string OperadorQt::ElegirFecha(const std::string& inicial) {
  QDialog d(QApplication::activeWindow());
  d.setWindowTitle("Fecha");
  auto* cal = new QCalendarWidget(&d);
  if (auto f = FechaHora::DesdeTexto(inicial)) cal->setSelectedDate(QDate(f->anio, f->mes, f->dia));
  auto* bb = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
  QObject::connect(bb, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(bb, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  QObject::connect(cal, &QCalendarWidget::activated, &d, &QDialog::accept);
  auto* l = new QVBoxLayout(&d);
  l->addWidget(cal);
  l->addWidget(bb);
  if (d.exec() != QDialog::Accepted) return "";
  const QDate q = cal->selectedDate();
  FechaHora f;
  f.anio = q.year();
  f.mes = q.month();
  f.dia = q.day();
  return f.SoloFecha();
}

std::string OperadorQt::ElegirArchivo(const std::string& titulo, const std::string& filtro) {
  // "Description|pattern" becomes Qt's "Description (pattern)".
  QString f = Q(filtro);
  const int barra = f.indexOf('|');
  if (barra >= 0) f = f.left(barra).trimmed() + " (" + f.mid(barra + 1).trimmed() + ")";
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), Q(titulo), QString(), f).toStdString();
}

void OperadorQt::ProcesarEventos() {
  if (ultimaRonda_ && reloj().Monotono() - *ultimaRonda_ < intervalo_) return;
  QApplication::processEvents();
  // Counted from the end of the round: a slow repaint does not eat the next interval.
  ultimaRonda_ = reloj().Monotono();
}

void OperadorQt::CursorOcupado(bool ocupado) {
  if (ocupado) QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}
