#include "db/ventanas/frmAcceso.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The captions line up in a fixed-pitch font. The request says so itself:
// what the system's fixed font turns out to be depends on the fonts installed.
QFont FuenteFija() {
  QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  return f;
}

QLabel* Rotulo(const char* nombre, const QString& texto, QLineEdit* caja, QWidget* padre) {
  auto* l = new QLabel(texto, padre);
  l->setObjectName(nombre);
  l->setFont(FuenteFija());
  l->setBuddy(caja);  // "&" gives the Alt shortcut to the box
  return l;
}

QLineEdit* Caja(const char* nombre, QWidget* padre) {
  auto* c = new QLineEdit(padre);
  c->setObjectName(nombre);
  return c;
}

}  // namespace

frmAcceso::frmAcceso(QWidget* padre) : QDialog(padre) {
  setObjectName("frmAcceso");
  setWindowTitle(QString::fromUtf8("Control de Acceso"));
  setModal(true);

  framAcceso = new QFrame(this);
  framAcceso->setObjectName("framAcceso");
  framAcceso->setFrameShape(QFrame::StyledPanel);

  TxtUserId = Caja("TxtUserId", framAcceso);
  TxtUserPassword = Caja("TxtUserPassword", framAcceso);
  TxtUserPassword->setEchoMode(QLineEdit::Password);
  TxtUserPassword->setStyleSheet("lineedit-password-character: 42");  // shown as "*"
  TxtDbName = Caja("TxtDbName", framAcceso);
  TxtServidor = Caja("TxtServidor", framAcceso);
  lbUsuario = Rotulo("lbUsuario", QString::fromUtf8("&Usuario"), TxtUserId, framAcceso);
  lbcontrasena = Rotulo("lbcontrasena", QString::fromUtf8("&Contraseña"), TxtUserPassword, framAcceso);
  Label1 = Rotulo("Label1", QString::fromUtf8("&Base de Datos"), TxtDbName, framAcceso);
  Label2 = Rotulo("Label2", QString::fromUtf8("&Servidor"), TxtServidor, framAcceso);

  CboPlataformaDB = new QComboBox(framAcceso);
  CboPlataformaDB->setObjectName("CboPlataformaDB");
  CboPlataformaDB->addItem(QString::fromUtf8("SQL Server"));
  CboPlataformaDB->addItem(QString::fromUtf8("ORACLE"));
  CboPlataformaDB->setEditable(false);

  bcAceptar = new QPushButton(QString::fromUtf8("Aceptar"), framAcceso);
  bcAceptar->setObjectName("bcAceptar");
  bcAceptar->setDefault(true);
  bcAceptar->setAutoDefault(true);
  bcCancelar = new QPushButton(QString::fromUtf8("Cancelar"), framAcceso);
  bcCancelar->setObjectName("bcCancelar");
  bcCancelar->setAutoDefault(false);

  auto* rejilla = new QGridLayout(framAcceso);
  int fila = 0;
  for (auto [rotulo, caja] : {std::pair<QLabel*, QLineEdit*>{lbUsuario, TxtUserId},
                              {lbcontrasena, TxtUserPassword},
                              {Label1, TxtDbName},
                              {Label2, TxtServidor}}) {
    rejilla->addWidget(rotulo, fila, 0);
    rejilla->addWidget(caja, fila++, 1);
  }
  rejilla->addWidget(CboPlataformaDB, fila++, 1);
  auto* botonera = new QHBoxLayout();
  botonera->addStretch();
  botonera->addWidget(bcAceptar);
  botonera->addWidget(bcCancelar);
  rejilla->addLayout(botonera, fila, 0, 1, 2);
  auto* principal = new QVBoxLayout(this);
  principal->addWidget(framAcceso);

  connect(bcAceptar, &QPushButton::clicked, this, [this] { bcAceptar_Click(); });
  connect(bcCancelar, &QPushButton::clicked, this, [this] { bcCancelar_Click(); });
  // Escape (and closing the window) cancels like the button.
  connect(this, &QDialog::rejected, this, [this] { Aceptar = false; });
}

void frmAcceso::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QScreen* pantalla = QGuiApplication::primaryScreen())
    move(pantalla->availableGeometry().center() - rect().center());
}

void frmAcceso::bcAceptar_Click() {
  Aceptar = true;
  hide();
  done(QDialog::Accepted);
}

void frmAcceso::bcCancelar_Click() {
  Aceptar = false;
  hide();
  done(QDialog::Rejected);
}
