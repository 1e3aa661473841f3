// capturas_ventanas: pictures of the program's windows, drawn offscreen on
// a demo database, for the README:
//   <carpeta>/frmInterfaceVorna.png   the main window, as it opens
//   <carpeta>/FrmTareaProgramada.png  the scheduled-task window
//
//   capturas_ventanas <demo.sqlite> <carpeta>
#include <QApplication>
#include <cstdio>
#include <string>

#include "BaseBench.h"
#include "sivlib/ValoresGlobales.h"
#include "sivlib/Regional.h"
#include "sivlib/ventanas/OperadorQt.h"
#include "unifier/ventanas/FrmTareaProgramada.h"
#include "unifier/ventanas/VentanaInterfaceVorna.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: capturas_ventanas <demo.sqlite> <carpeta>\n");
    return 2;
  }
  const std::string carpeta = argv[2];
  UsarPantallaOffscreen();
  QApplication app(argc, argv);
  regional::NumerosDelProcesoEnC();  // Qt took the user's locale; the SQL text needs the decimal point
  FijarOperador(std::make_shared<OperadorQt>());
  if (!AbrirBaseDemo(argv[1])) return 1;
  gColorFondo = 0xC0FFFF;  // the focused box's colour of a usual workstation (light yellow)

  VentanaInterfaceVorna principal;
  principal.AlTerminar = [] {};
  // As an operator leaves it before "GRABAR": sales and stock of the range.
  ModeloVentana& m = principal.Modelo().Ventana();
  m.FijarValor(*m.Control("chkVentas"), 1);
  m.FijarValor(*m.Control("chkStock"), 1);
  m.FijarTexto(principal.Modelo().TxtFields(3), "/srv/vorna/paquetes/");
  bool bien = GuardarCaptura(principal, carpeta);

  FrmTareaProgramada tarea;
  bien = GuardarCaptura(tarea, carpeta) && bien;
  return bien ? 0 : 1;
}
