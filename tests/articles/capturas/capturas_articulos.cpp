// capturas_articulos: the picture of the article registration window for
// the README, drawn offscreen on a demo database, as an operator sees it
// after the master base answered:
//   <carpeta>/FrmArtAlta.png
//
//   capturas_articulos <demo.sqlite> <carpeta>
#include <QApplication>
#include <cstdio>
#include <string>

#include "BaseBench.h"
#include "articles/ventanas/FrmArtAlta.h"
#include "sivlib/ValoresGlobales.h"
#include "sivlib/Regional.h"
#include "sivlib/ventanas/OperadorQt.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: capturas_articulos <demo.sqlite> <carpeta>\n");
    return 2;
  }
  UsarPantallaOffscreen();
  QApplication app(argc, argv);
  regional::NumerosDelProcesoEnC();  // Qt took the user's locale; the SQL text needs the decimal point
  FijarOperador(std::make_shared<OperadorQt>());
  if (!AbrirBaseDemo(argv[1])) return 1;
  gColorFondo = 0xC0FFFF;  // the focused box's colour of a usual workstation (light yellow)

  FrmArtAlta ventana;
  FrmArtAltaModelo& m = ventana.Modelo();
  ModeloVentana& v = m.Ventana();
  v.FijarTexto(m.Caja("Codigo"), "7790315000123");
  v.FijarTexto(m.Caja("Descripcion"), "AGUA MINERAL SIN GAS 500 ML");
  v.FijarTexto(*v.Control("LblProceso"), "Correcto.");
  ventana.show();
  QApplication::processEvents();
  if (m.alEnfocar) m.alEnfocar(m.Caja("Precio"));
  QApplication::processEvents();

  return GuardarCaptura(ventana, argv[2]) ? 0 : 1;
}
