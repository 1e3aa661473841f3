#pragma once
// Fixture of the main window's tests: an embedded database with the
// program's own tables (or a small demo ERP database, for the generation
// run), the scripted operator, and the Qt window shown offscreen with its
// end of program recorded instead of ending the test.
#include <QString>
#include <memory>
#include <string>

#include "support/BaseDePrueba.h"
#include "support/RelojDePrueba.h"
#include "unifier/ventanas/VentanaInterfaceVorna.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;

class VentanaDePrueba : public ConBaseSqlite {
 protected:
  void TearDown() override;

  // A demo ERP database (a few hundred sales lines over the last ten days)
  // in place of the empty one.
  void UsarBaseDemo();
  // Creates the window (its load step runs), shows it and lets it settle.
  VentanaInterfaceVorna& Mostrar();

  // Widgets of the window by control name and family index.
  QLineEdit* Caja(int indice) const;
  QCheckBox* Casilla(const char* nombre) const;
  QLabel* Etiqueta(const char* nombre, int indice = -1) const;
  QAction* Boton(const char* clave) const;
  // Gives the focus to a widget as the operator's click would.
  void Enfocar(QWidget* w);
  // A key press on the widget with the focus, as the operator types it.
  void Tecla(Qt::Key tecla);

  // VALOR of a configuration key; empty when it has no row.
  std::string Configuracion(const std::string& clave);

  // "Today" stays the same day however long the test takes.
  RelojDePrueba reloj;
  std::unique_ptr<VentanaInterfaceVorna> ventana;
  int terminaciones = 0;  // times the close step ended the program
  std::string destino = carpeta / "destino/";
};
