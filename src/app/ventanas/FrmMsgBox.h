#pragma once
// A small message window that closes itself after `Espera` seconds (0 or
// less: only its button closes it). Used for the refusal of a second copy,
// which may happen while nobody watches.
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class FrmMsgBox : public QDialog {
  Q_OBJECT
 public:
  explicit FrmMsgBox(QWidget* parent = nullptr);

  QString Mensaje;
  QString Titulo;
  qint16 Espera = 0;

  // Shows the box modally; returns when it hid itself or was closed.
  int exec() override;

 protected:
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void Form_Load();
  void Form_Activate();
  void CmdAceptar_Click();

  QLabel* LblMensaje;
  QPushButton* CmdAceptar;
  bool esperando_ = false;
  bool cerrado_ = false;
};
