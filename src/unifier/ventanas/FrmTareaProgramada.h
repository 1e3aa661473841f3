#pragma once
// The window that registers the daily unattended run. Shown modally by the
// main window; "&Aceptar" and "&Cancelar" hide it, the caller then closes it.
#include <QDialog>

#include "unifier/tarea/FrmTareaProgramadaModelo.h"

class VinculoModelo;

class FrmTareaProgramada : public QDialog {
  Q_OBJECT
 public:
  explicit FrmTareaProgramada(QWidget* padre = nullptr);
  FrmTareaProgramadaModelo& Modelo() { return modelo_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  FrmTareaProgramadaModelo modelo_;
  VinculoModelo* vinculo_;
};
