#pragma once
// The tree lookup window: a search box over a tree of codes and the
// "&Aceptar", "&Cancelar" and "&Nueva Busqueda" buttons. It shows a
// Lib_FrmCons3TreeModelo owned by its caller (the lookup service), which
// reads the picked values from the model once the window has hidden itself.
#include <QDialog>
#include <vector>

#include "lookup/Lib_FrmCons3TreeModelo.h"

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

class Lib_FrmCons3Tree : public QDialog {
  Q_OBJECT
 public:
  // The model's members are set; its load step runs here.
  explicit Lib_FrmCons3Tree(Lib_FrmCons3TreeModelo& modelo, QWidget* padre = nullptr);
  Lib_FrmCons3TreeModelo& Modelo() { return modelo_; }

  // Esc and "&Cancelar".
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Aceptar();
  // Shows what the model holds now: the nodes when they were rebuilt, the
  // marks, the selected node and the search box's text.
  void Mostrar();
  void MostrarNodos();
  void MostrarMarcas();
  void MostrarSeleccion();
  int NodoDe(const QTreeWidgetItem* item) const;

  Lib_FrmCons3TreeModelo& modelo_;
  QTreeWidget* arbol_;
  QComboBox* busqueda_;
  std::vector<QTreeWidgetItem*> items_;  // by node index
  int versionMostrada_ = -1;
  bool mostrando_ = false;  // the window itself is changing the widgets
};

// Shows the tree lookup modally over `modelo`; returns once it has hidden itself.
void MostrarConsultaArbol(Lib_FrmCons3TreeModelo& modelo);
