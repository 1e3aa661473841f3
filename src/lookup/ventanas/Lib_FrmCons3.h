#pragma once
// The list lookup window: a search box above each column of a list, and
// the buttons "&Aceptar", "&Cancelar", "&Nueva Busqueda", "N&uevo" and
// "&Marcar". It shows a Lib_FrmCons3Modelo owned by its caller (the lookup
// service), which reads the picked values from the model once the window
// has hidden itself. Everything the window does is the model's; this class
// only turns events into the model's operations and shows its notices.
//
// Lengths come from the model in twips and are converted to pixels
// (Twips.h). The pane holding list and boxes is moved sideways by the
// scroll bar HScroll1; the boxes also follow the list's own sideways
// scrolling, so each stays above its column.
#include <QDialog>
#include <vector>

#include "lookup/Lib_FrmCons3Modelo.h"

class FilasQt;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTreeView;
class QWidget;

class Lib_FrmCons3 : public QDialog, private VistaLista {
  Q_OBJECT
 public:
  // The model's members are set; its load step runs here.
  explicit Lib_FrmCons3(Lib_FrmCons3Modelo& modelo, QWidget* padre = nullptr);
  ~Lib_FrmCons3() override;
  Lib_FrmCons3Modelo& Modelo() { return modelo_; }

  QTreeView* ListView1() const { return lista_; }
  QComboBox* CmbSearch(int indice) const;
  QScrollBar* HScroll1() const { return desplazamiento_; }
  QWidget* picFields() const { return panel_; }

  // Esc and "&Cancelar".
  void reject() override;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void Construir();
  void Conectar();
  // A key for the window first (F12), then for the control that has it; true when taken.
  bool Tecla(QObject* objeto, QKeyEvent* tecla);
  QComboBox* Caja(int indice);
  QComboBox* CajaDe(QObject* objeto) const;
  void ColocarCajas();
  void Redimensionar();
  void MostrarTextoCaja(const ControlVentana& c);
  void MostrarOrden();

  // VistaLista
  void AntesDeCargar() override;
  void ListaCargada() override;
  void FilasCambiadas() override;
  void AntesDeOrdenar() override;
  void OrdenCambiado() override;
  void SeleccionCambiada() override;
  void GeometriaCambiada() override;
  void EnfocarCaja(int indice) override;
  void EnfocarLista() override;
  void Ocultar() override;

  Lib_FrmCons3Modelo& modelo_;
  FilasQt* filas_;
  QWidget* panel_;
  QTreeView* lista_;
  std::vector<QComboBox*> cajas_;
  QScrollBar* desplazamiento_;
  QWidget* botonera_;
  QLabel* etiqueta_;
  QPushButton *aceptar_, *cancelar_, *nueva_, *nuevo_, *todos_;
  size_t oyente_ = 0;
  bool mostrando_ = false;  // the window itself is changing its widgets
};

// Shows the list lookup modally over `modelo`; returns once it has hidden itself.
void MostrarConsultaLista(Lib_FrmCons3Modelo& modelo);
