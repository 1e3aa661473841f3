#pragma once
// The article quick-registration window. Shown modally by a lookup on the
// article tables; "Alta" and "Cancelar" hide it (the dialog ends, the
// object stays), and the caller reads pAceptar and CodArtNuevo from the
// model before closing it.
#include <QDialog>

#include "articles/FrmArtAltaModelo.h"

class VinculoModelo;

class FrmArtAlta : public QDialog {
  Q_OBJECT
 public:
  explicit FrmArtAlta(QWidget* padre = nullptr);
  FrmArtAltaModelo& Modelo() { return modelo_; }

 protected:
  void showEvent(QShowEvent* e) override;
  // Closing from the title bar is "Cancelar"; while the master base is
  // being asked it waits for the reply, as the buttons do.
  void closeEvent(QCloseEvent* e) override;
  // F2, F7 and Esc, whichever control has the focus (the boxes and buttons
  // leave these keys to the window).
  void keyPressEvent(QKeyEvent* e) override;
  // Esc goes through the model, not through QDialog's own rejection.
  void reject() override;

 private:
  FrmArtAltaModelo modelo_;
  VinculoModelo* vinculo_;
  bool ocultando_ = false;  // the model asked to hide: the close is not the operator's
};
