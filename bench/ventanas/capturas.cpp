// capturas_ventanas: pictures of the program's windows, drawn offscreen on
// a demo database, for the README:
//   <carpeta>/frmInterfaceVorna.png   the main window, as it opens
//   <carpeta>/FrmTareaProgramada.png  the scheduled-task window
//
//   capturas_ventanas <demo.sqlite> <carpeta>
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <string>

#include "BaseBench.h"
#include "sivlib/ValoresGlobales.h"
#include "sivlib/ventanas/OperadorQt.h"
#include "unifier/ventanas/FrmTareaProgramada.h"
#include "unifier/ventanas/VentanaInterfaceVorna.h"

namespace {

bool Guardar(QWidget& ventana, const std::string& carpeta) {
  ventana.show();
  QApplication::processEvents();
  const std::string archivo = carpeta + "/" + ventana.objectName().toStdString() + ".png";
  if (!ventana.grab().save(QString::fromStdString(archivo))) {
    std::fprintf(stderr, "no se pudo escribir %s\n", archivo.c_str());
    return false;
  }
  std::printf("%s\n", archivo.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: capturas_ventanas <demo.sqlite> <carpeta>\n");
    return 2;
  }
  const std::string carpeta = argv[2];
  UsarPantallaOffscreen();
  QApplication app(argc, argv);
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
  bool bien = Guardar(principal, carpeta);

  FrmTareaProgramada tarea;
  bien = Guardar(tarea, carpeta) && bien;
  return bien ? 0 : 1;
}
