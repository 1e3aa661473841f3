#pragma once
// The login window "Control de Acceso": user, password, database, server
// and platform. Modal; the caller reads the public flag Aceptar and the
// boxes after it closes.
#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class frmAcceso : public QDialog {
  Q_OBJECT

 public:
  explicit frmAcceso(QWidget* padre = nullptr);

  bool Aceptar = false;  // true when the operator pressed "Aceptar"

  QFrame* framAcceso;
  QLabel* lbUsuario;
  QLineEdit* TxtUserId;
  QLabel* lbcontrasena;
  QLineEdit* TxtUserPassword;
  QLabel* Label1;
  QLineEdit* TxtDbName;
  QLabel* Label2;
  QLineEdit* TxtServidor;
  QComboBox* CboPlataformaDB;
  QPushButton* bcAceptar;
  QPushButton* bcCancelar;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void bcAceptar_Click();
  void bcCancelar_Click();
};
