#pragma once
// frmInterfaceVorna, the unifier's main window, in Qt: the widgets of the
// window model (unifier/frmInterfaceVorna.h) bound to it, the maker's
// toolbar Barrix1, the status bar sbStatusBar and the progress label
// lblInfo. Every operation is the model's; this class only wires what a
// real window has: the frame, the toolbar's settings and keys, the
// scheduled-task window, and the close.
//
// Creating the window runs its load step (the window state comes back, the
// dates come from the server's clock). Closing it (or the toolbar's
// "CERRAR") saves the window state and ends the program through AlTerminar.
//
// While a generation run writes its files the window keeps answering (the
// row loop lets events run), but its toolbar and its input controls are
// disabled, and a toolbar command or a close that still arrives is ignored:
// a nested run would take the same package number and write the same
// temporary files. The window is painted before each data set's query
// starts ("Cargando datos ..."), which runs without events.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "unifier/frmInterfaceVorna.h"

class BarraBarrix;
class BarraEstadoQt;
class ComportamientoCajas;
class MarcoVentanaQt;
class QLineEdit;
class VinculoModelo;

class VentanaInterfaceVorna : public QMainWindow {
  Q_OBJECT
 public:
  explicit VentanaInterfaceVorna(QWidget* padre = nullptr);
  ~VentanaInterfaceVorna() override;

  frmInterfaceVorna& Modelo() { return modelo_; }
  BarraBarrix* Barrix1() const { return barra_; }
  BarraEstadoQt* sbStatusBar() const { return estado_; }
  VinculoModelo& Vinculo() const { return *vinculo_; }

  // The end of the program after the close step; by default the
  // application's event loop ends with status 0.
  std::function<void()> AlTerminar;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  void Construir();
  // A bound TxtFields box with the text boxes' keyboard and focus behaviour.
  QLineEdit* Caja(int indice, QWidget* padre);
  QWidget* MarcoTipo();     // the data sets
  QWidget* MarcoFechas();   // "Parametros": the date range
  QWidget* MarcoDestino();  // the destination folder and its chooser
  void ConectarModelo();
  // Every key press of the window's widgets reaches Form_KeyDown first.
  void VerTeclasAntes();
  // The toolbar's button event: runs the model's, unless a run is writing files.
  void BotonBarra(const QString& clave);
  // "GRABAR": the generation run, with the toolbar and the inputs disabled.
  void Generar();
  // Paints the whole window at once (the progress line, the disabled inputs).
  void MostrarAntesDeConsultar();
  void Terminar();

  frmInterfaceVorna modelo_;
  VinculoModelo* vinculo_ = nullptr;
  ComportamientoCajas* cajas_ = nullptr;
  BarraBarrix* barra_ = nullptr;
  BarraEstadoQt* estado_ = nullptr;
  QWidget* controles_ = nullptr;  // what the operator edits; disabled during a run
  std::unique_ptr<MarcoVentanaQt> marco_;
  size_t oyente_ = 0;  // the model's listener for the progress line
  bool primeraVez_ = true;
  bool cerrada_ = false;
};
