#pragma once
// Keeps Qt widgets and the GUI-free window model in step: the model's
// changes (progress texts, values set by the logic) show in the widgets, and
// the operator's edits go back into the model. Each widget gets the
// control's name as objectName and its family index as the property "Index".
#include <QObject>
#include <functional>
#include <map>

#include "sivlib/ModeloVentana.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class VinculoModelo : public QObject {
  Q_OBJECT
 public:
  VinculoModelo(ModeloVentana& modelo, QObject* padre = nullptr);
  // The model may outlive the window (a lookup's model is read after its
  // window closed): the link takes its listener off. A window that holds its
  // model as a member loses it before its child objects, this link among
  // them: then there is no listener left to take off.
  ~VinculoModelo() override;

  QLineEdit* Caja(ControlVentana& c, QWidget* padre, int largoMaximo = 0);
  QCheckBox* Casilla(ControlVentana& c, QWidget* padre);
  QLabel* Etiqueta(ControlVentana& c, QWidget* padre);
  QPushButton* Boton(ControlVentana& c, QWidget* padre);
  // The control shown by a widget (null when the widget is not bound).
  ControlVentana* ControlDe(const QObject* widget) const;
  // The widget of a control (null when not bound).
  QWidget* WidgetDe(const ControlVentana& c) const;

 private:
  void Mostrar(const ControlVentana& c);
  ModeloVentana& modelo_;
  std::weak_ptr<const void> modeloVivo_;
  size_t oyente_ = 0;
  std::map<const ControlVentana*, QWidget*> widgets_;
  bool actualizando_ = false;
};

// Keyboard and focus behaviour of the program's text boxes: the focused
// box takes the colours gColorFondo / gColorLetra (white and black when it
// loses the focus; a disabled box looks disabled whatever its colours), Enter and Down move the focus on like Tab, and
// each typed character goes through the box's data-kind filter (FiltrarTecla). `alEnfocar` (optional) is told the index
// of the box that got the focus.
class ComportamientoCajas : public QObject {
  Q_OBJECT
 public:
  ComportamientoCajas(VinculoModelo& vinculo, QObject* padre = nullptr);
  void Aplicar(QLineEdit* caja);
  std::function<void(int indice)> alEnfocar;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  VinculoModelo& vinculo_;
};

// A 0x00BBGGRR colour of the platform as a Qt colour name.
QString ColorPlataforma(int32_t bgr);
