#include "articles/ventanas/FrmArtAlta.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "sivlib/ventanas/VinculoModelo.h"

using namespace alta_articulo;

FrmArtAlta::FrmArtAlta(QWidget* padre) : QDialog(padre) {
  ModeloVentana& m = modelo_.Ventana();
  setObjectName(QString::fromStdString(m.Nombre()));
  setWindowTitle(QString::fromStdString(m.caption));
  vinculo_ = new VinculoModelo(m, this);
  auto* cajas = new ComportamientoCajas(*vinculo_, this);

  QLabel* aviso = vinculo_->Etiqueta(*m.Control("Label1"), this);
  QFont negrita = aviso->font();
  negrita.setBold(true);
  aviso->setFont(negrita);

  auto* marco = new QGroupBox(this);
  marco->setObjectName("FramAlta");
  auto* grilla = new QGridLayout;
  auto fila = [&](const char* etiqueta, const char* clave, int renglon) {
    QLabel* l = vinculo_->Etiqueta(*m.Control(etiqueta), marco);
    QLineEdit* caja = vinculo_->Caja(modelo_.Caja(clave), marco);
    cajas->Aplicar(caja);
    l->setBuddy(caja);
    grilla->addWidget(l, renglon, 0);
    grilla->addWidget(caja, renglon, 1);
    return caja;
  };
  fila("Label9", "Codigo", 0);
  fila("Label10", "Descripcion", 1);
  fila("Label11", "Precio", 2)->setMaximumWidth(120);
  QPushButton* maestro = vinculo_->Boton(*m.Control("CmdMaestro"), marco);
  QLabel* proceso = vinculo_->Etiqueta(*m.Control("LblProceso"), marco);
  QLabel* ayuda = vinculo_->Etiqueta(*m.Control("Label2"), marco);
  ayuda->setWordWrap(true);
  auto* renglonMaestro = new QHBoxLayout;
  renglonMaestro->addWidget(maestro);
  renglonMaestro->addWidget(proceso, 1);
  auto* dentro = new QVBoxLayout(marco);
  dentro->addLayout(grilla);
  dentro->addLayout(renglonMaestro);
  dentro->addWidget(ayuda);

  QPushButton* cancelar = vinculo_->Boton(*m.Control("CmdCancelar"), this);
  QPushButton* alta = vinculo_->Boton(*m.Control("CmdAlta"), this);
  for (QPushButton* b : {maestro, cancelar, alta}) b->setAutoDefault(false);
  connect(maestro, &QPushButton::clicked, this, [this] { modelo_.CmdMaestro_Click(); });
  connect(cancelar, &QPushButton::clicked, this, [this] { modelo_.cmdCancelar_Click(); });
  connect(alta, &QPushButton::clicked, this, [this] { modelo_.CmdAlta_Click(); });
  auto* botones = new QHBoxLayout;
  botones->addWidget(vinculo_->Etiqueta(*m.Control("Label3"), this), 1);
  botones->addWidget(cancelar);
  botones->addWidget(alta);

  auto* todo = new QVBoxLayout(this);
  todo->addWidget(aviso);
  todo->addWidget(marco);
  todo->addLayout(botones);
  setMinimumWidth(560);

  modelo_.alOcultar = [this] {
    ocultando_ = true;
    done(modelo_.pAceptar ? Accepted : Rejected);
    ocultando_ = false;
  };
  modelo_.alEnfocar = [this](ControlVentana& c) {
    if (QWidget* w = vinculo_->WidgetDe(c)) w->setFocus();
  };
  m.AlCambiar([marco](const ControlVentana& c) {
    if (c.nombre == "FramAlta") marco->setVisible(c.visible);
  });
  modelo_.Form_Load();
}

void FrmArtAlta::keyPressEvent(QKeyEvent* e) {
  const int codigo = e->key() == Qt::Key_F2       ? kTeclaAlta
                     : e->key() == Qt::Key_F7     ? kTeclaMaestro
                     : e->key() == Qt::Key_Escape ? kTeclaCancelar
                                                  : 0;
  if (codigo && modelo_.Form_KeyDown(codigo)) return e->accept();
  QDialog::keyPressEvent(e);
}

void FrmArtAlta::reject() { modelo_.Form_KeyDown(kTeclaCancelar); }

void FrmArtAlta::closeEvent(QCloseEvent* e) {
  if (ocultando_) return e->accept();
  e->ignore();
  modelo_.cmdCancelar_Click();
}

void FrmArtAlta::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QWidget* codigo = vinculo_->WidgetDe(modelo_.Caja("Codigo")); codigo && codigo->isVisible()) codigo->setFocus();
}
