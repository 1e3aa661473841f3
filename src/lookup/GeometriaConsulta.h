#pragma once
// The geometry of the list lookup window in twips (1/1440 inch), the unit
// its layout rules are written in; the Qt window converts to pixels. The
// search boxes sit above their columns, the pane that holds list and boxes
// scrolls sideways, and the window is never wider than the screen.
#include <vector>

struct TramoHorizontal {
  double izquierda = 0;
  double ancho = 0;
};

// Sizes after the columns are known (CalcularAncho).
struct GeometriaLista {
  std::vector<TramoHorizontal> cajas;  // search box k above column k
  double total = 0;                    // sum of the column widths
  double anchoLista = 0;
  double anchoPanel = 0;
  double anchoDesplazamiento = 0;  // the scroll bar
  long maximoDesplazamiento = 0;
  double anchoVentana = 0;
};

// Each box starts at its column's left edge and is 50 twips narrower; list
// and pane get 360 twips beyond the columns; the scroll bar may move the
// pane by 0.6 of its width (plus 480), at most 32700; the window is as wide
// as the list plus 280, or the screen less 480 when the list would not fit.
GeometriaLista CalcularGeometria(const std::vector<double>& anchosColumnas, double anchoPantalla);

// Heights and widths of the window's design that resizing keeps.
struct MedidasLista {
  double altoBotonera = 0;        // Frame1
  double altoDesplazamiento = 0;  // HScroll1
  double anchoCancelar = 0, anchoNueva = 0, anchoNuevo = 0;
};

// Where the controls go when the window takes a size (Form_Resize).
struct DisposicionLista {
  double altoPanel = 0, anchoPanel = 0;
  double altoLista = 0, anchoLista = 0;
  double arribaBotonera = 0, anchoBotonera = 0;
  double arribaDesplazamiento = 0, anchoDesplazamiento = 0;
  double izquierdaAceptar = 0, izquierdaCancelar = 0, izquierdaNueva = 0;
  double anchoEtiqueta = 0;  // Label1
};
DisposicionLista Disponer(double anchoVentana, double altoVentana, const MedidasLista& m);

// The round-to-even of the platform's Round and CInt.
long Redondear(double v);
