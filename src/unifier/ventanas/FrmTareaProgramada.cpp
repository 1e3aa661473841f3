#include "unifier/ventanas/FrmTareaProgramada.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "sivlib/ventanas/VinculoModelo.h"

FrmTareaProgramada::FrmTareaProgramada(QWidget* padre) : QDialog(padre) {
  ModeloVentana& m = modelo_.Ventana();
  setObjectName(QString::fromStdString(m.Nombre()));
  setWindowTitle(QString::fromStdString(m.caption));
  vinculo_ = new VinculoModelo(m, this);
  auto* cajas = new ComportamientoCajas(*vinculo_, this);

  auto* grilla = new QGridLayout;
  auto fila = [&](const char* etiqueta, int indiceEtiqueta, int indiceCaja, int renglon) {
    QLabel* l = vinculo_->Etiqueta(*m.Control(etiqueta, indiceEtiqueta), this);
    ControlVentana& control = modelo_.Caja(indiceCaja);
    QLineEdit* caja = vinculo_->Caja(control, this, control.largoMaximo);
    cajas->Aplicar(caja);
    l->setBuddy(caja);
    grilla->addWidget(l, renglon, 0);
    grilla->addWidget(caja, renglon, 1);
    return caja;
  };
  fila("Label1", 0, 0, 0);
  fila("Label1", 1, 2, 1);
  fila("Label2", 0, 1, 2);
  QLineEdit* hora = fila("Label2", 1, 3, 3);
  hora->setMaximumWidth(80);

  auto* textos = new QVBoxLayout;
  for (int i = 0; i < 4; ++i) {
    QLabel* l = vinculo_->Etiqueta(*m.Control("Label3", i), this);
    l->setWordWrap(true);
    textos->addWidget(l);
  }

  QPushButton* tareas = vinculo_->Boton(*m.Control("CmdTareas"), this);
  QPushButton* aceptar = vinculo_->Boton(*m.Control("CmdAceptar"), this);
  QPushButton* cancelar = vinculo_->Boton(*m.Control("CmdCancelar"), this);
  aceptar->setDefault(false);
  aceptar->setAutoDefault(false);
  cancelar->setAutoDefault(false);
  tareas->setAutoDefault(false);
  connect(tareas, &QPushButton::clicked, this, [this] { modelo_.CmdTareas_Click(); });
  connect(aceptar, &QPushButton::clicked, this, [this] {
    if (modelo_.CmdAceptar_Click()) accept();
  });
  connect(cancelar, &QPushButton::clicked, this, [this] { reject(); });

  auto* botones = new QHBoxLayout;
  botones->addWidget(tareas);
  botones->addStretch();
  botones->addWidget(aceptar);
  botones->addWidget(cancelar);

  auto* todo = new QVBoxLayout(this);
  todo->addLayout(grilla);
  todo->addLayout(textos);
  todo->addLayout(botones);
  setMinimumWidth(640);

  modelo_.Form_Load();
}

void FrmTareaProgramada::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QWidget* hora = vinculo_->WidgetDe(modelo_.Caja(3))) hora->setFocus();
}
