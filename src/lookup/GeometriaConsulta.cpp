#include "lookup/GeometriaConsulta.h"

#include <cmath>

namespace {
constexpr double kMargenLista = 360;    // list and pane beyond the columns
constexpr double kCajaMasAngosta = 50;  // a box is this much narrower than its column
constexpr double kMaximoDesplazamiento = 32700;
constexpr double kFraccionDesplazable = 0.6;
}  // namespace

long Redondear(double v) { return long(std::nearbyint(v)); }

GeometriaLista CalcularGeometria(const std::vector<double>& anchosColumnas, double anchoPantalla) {
  GeometriaLista g;
  for (double ancho : anchosColumnas) {
    g.cajas.push_back({g.total, ancho - kCajaMasAngosta});
    g.total += ancho;
  }
  g.anchoLista = g.total + kMargenLista;
  g.anchoPanel = double(Redondear(g.total)) + kMargenLista;
  g.anchoDesplazamiento = g.total;
  g.maximoDesplazamiento = g.anchoPanel > kMaximoDesplazamiento
                               ? long(kMaximoDesplazamiento)
                               : Redondear((g.anchoPanel + 480) * kFraccionDesplazable);
  g.anchoVentana = g.anchoLista + 360 >= anchoPantalla ? anchoPantalla - 480 : g.anchoLista + 280;
  return g;
}

DisposicionLista Disponer(double anchoVentana, double altoVentana, const MedidasLista& m) {
  DisposicionLista d;
  d.altoPanel = altoVentana - m.altoBotonera - 480;
  d.altoLista = d.altoPanel - m.altoBotonera - 600;
  d.anchoPanel = anchoVentana - 120;
  d.anchoLista = d.anchoPanel - 20;
  d.arribaBotonera = altoVentana - m.altoBotonera - 520;
  d.anchoBotonera = anchoVentana;
  d.arribaDesplazamiento = d.altoPanel - m.altoDesplazamiento - 120;
  d.anchoDesplazamiento = anchoVentana - 120;
  d.izquierdaAceptar = 100;
  d.izquierdaCancelar = (d.anchoBotonera - m.anchoCancelar) / 2;
  d.izquierdaNueva = d.anchoBotonera - 150 - m.anchoNueva;
  d.anchoEtiqueta = d.anchoLista - m.anchoNuevo;
  return d;
}
