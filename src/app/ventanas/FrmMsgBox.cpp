#include "app/ventanas/FrmMsgBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QThread>
#include <QVBoxLayout>

#include "sivlib/Reloj.h"

FrmMsgBox::FrmMsgBox(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmMsgBox");
  setWindowTitle("Aviso al operador");
  LblMensaje = new QLabel("Atencion!", this);
  LblMensaje->setObjectName("LblMensaje");
  LblMensaje->setWordWrap(true);
  LblMensaje->setMinimumWidth(360);
  CmdAceptar = new QPushButton("&Aceptar", this);
  CmdAceptar->setObjectName("CmdAceptar");
  CmdAceptar->setDefault(true);
  auto* l = new QVBoxLayout(this);
  l->addWidget(LblMensaje);
  l->addWidget(CmdAceptar, 0, Qt::AlignHCenter);
  connect(CmdAceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
}

int FrmMsgBox::exec() {
  Form_Load();
  return QDialog::exec();
}

void FrmMsgBox::Form_Load() {
  setWindowTitle(Titulo);
  LblMensaje->setText(Mensaje);
  adjustSize();
  if (QScreen* pantalla = QApplication::primaryScreen()) {
    const QRect r = pantalla->geometry();
    move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
  }
}

void FrmMsgBox::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Activation may not be reported on every platform (offscreen): the
  // timed wait starts once the box is on screen.
  QMetaObject::invokeMethod(
      this, [this] { Form_Activate(); }, Qt::QueuedConnection);
}

bool FrmMsgBox::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate)
    QMetaObject::invokeMethod(
        this, [this] { Form_Activate(); }, Qt::QueuedConnection);
  return QDialog::event(e);
}

void FrmMsgBox::Form_Activate() {
  if (Espera <= 0 || esperando_ || cerrado_) return;
  esperando_ = true;
  // A monotonic clock: a wait across midnight lasts as long as any other.
  const Reloj::Instante inicio = reloj().Monotono();
  const std::chrono::seconds espera(Espera);
  while (!cerrado_ && reloj().Monotono() - inicio < espera) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
  esperando_ = false;
  if (!cerrado_) {
    cerrado_ = true;
    hide();
    done(QDialog::Accepted);
  }
}

void FrmMsgBox::CmdAceptar_Click() {
  cerrado_ = true;
  done(QDialog::Accepted);
}
