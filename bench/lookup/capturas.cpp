// capturas_consultas: pictures of the lookup windows, drawn offscreen on a
// demo database, for the README:
//   <carpeta>/Lib_FrmCons3.png      the list lookup on the articles with
//                                   their stock, searching as one types
//   <carpeta>/Lib_FrmCons3Tree.png  the tree lookup on the product families
//
//   capturas_consultas <demo.sqlite> <carpeta>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <cstdio>
#include <string>

#include "BaseBench.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "lookup/Lib_FrmCons3TreeModelo.h"
#include "lookup/ventanas/Lib_FrmCons3.h"
#include "lookup/ventanas/Lib_FrmCons3Tree.h"
#include "sivlib/Operador.h"
#include "sivlib/Regional.h"
#include "sivlib/ventanas/OperadorQt.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: capturas_consultas <demo.sqlite> <carpeta>\n");
    return 2;
  }
  const std::string carpeta = argv[2];
  UsarPantallaOffscreen();
  QApplication app(argc, argv);
  regional::NumerosDelProcesoEnC();  // Qt took the user's locale; the SQL text needs the decimal point
  FijarOperador(std::make_shared<OperadorQt>());
  if (!AbrirBaseDemo(argv[1])) return 1;

  // The articles with their stock levels in colour, the operator typing "YER".
  Lib_FrmCons3Modelo lista;
  lista.SQL =
      "SELECT Descripcion, IdArticulo, PrecioVenta, Stock, PuntoPedido FROM VT_MA_ARTICULOS "
      "WHERE Suspendido = 0 ORDER BY Descripcion";
  lista.CampoDevuelto = "IdArticulo";
  lista.MuestraStock = "SI";
  lista.StkNivel1 = Variant(0x008000);
  lista.StkNivel2 = Variant(0x800000);
  lista.StkNivel3 = Variant(0x0000C0);
  lista.StkNivel4 = Variant(0x808080);
  lista.FiltroInicial = "YER";
  Lib_FrmCons3 ventanaLista(lista);
  // As on a usual desktop, wider than the offscreen screen the window fits itself to.
  ventanaLista.resize(980, 440);
  bool bien = GuardarCaptura(ventanaLista, carpeta);

  // The families, a group opened.
  Lib_FrmCons3TreeModelo arbol;
  arbol.SQL = "select IdFamilia, Descripcion from V_TA_FAMILIAS";
  arbol.CampoDevuelto = "IDFAMILIA";
  Lib_FrmCons3Tree ventanaArbol(arbol);
  if (auto* t = ventanaArbol.findChild<QTreeWidget*>()) t->expandAll();
  ventanaArbol.resize(520, 440);
  bien = GuardarCaptura(ventanaArbol, carpeta) && bien;
  return bien ? 0 : 1;
}
