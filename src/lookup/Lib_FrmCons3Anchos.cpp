// The list lookup window: saved column widths, geometry, scrolling,
// resizing and closing.
#include "lookup/AnchosConsulta.h"
#include "lookup/Lib_FrmCons3Modelo.h"
#include "services/Archivos.h"
#include "sivlib/Aplicacion.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

void Lib_FrmCons3Modelo::LeerAnchos() {
  const std::string ruta = anchos::Ruta(CarpetaAplicacion());
  if (!ExisteArchivo(ruta)) return;
  // The stock view's lookups share the widths (and "N&uevo") of the articles'.
  if (texto::IgualesSinCaso(tabla_, "Stk_ma_articulos")) tabla_ = "VT_MA_ARTICULOS";
  const auto contenido = anchos::Leer(ruta);
  if (!contenido) return;
  for (const anchos::LineaAnchos& linea : contenido->lineas) {
    if (!texto::IgualesSinCaso(linea.tabla, tabla_)) continue;
    const anchos::AnchosLeidos leidos = anchos::Anchos(linea.anchos, columnas_.size());
    for (size_t k = 0; k < leidos.anchos.size(); ++k) columnas_[k].ancho = leidos.anchos[k];
    // A line short of widths ends the reading; what it gave stays.
    if (!leidos.completo) break;
  }
  if (!cargando_) vista_->GeometriaCambiada();
}

void Lib_FrmCons3Modelo::CalcularAncho() {
  std::vector<double> anchosColumnas;
  for (const ColumnaConsulta& c : columnas_) anchosColumnas.push_back(c.ancho);
  geometria_ = CalcularGeometria(anchosColumnas, AnchoPantalla);
  if (!cargando_) vista_->GeometriaCambiada();
}

void Lib_FrmCons3Modelo::ListView1_ColumnResize(size_t columna, double ancho) {
  if (columna >= columnas_.size()) return;
  columnas_[columna].ancho = ancho;
  CalcularAncho();
}

ErrorSistema Lib_FrmCons3Modelo::GrabarAnchos() {
  if (!GrabarCfg) return {};
  std::vector<double> anchosColumnas;
  for (const ColumnaConsulta& c : columnas_) anchosColumnas.push_back(c.ancho);
  return anchos::Grabar(CarpetaAplicacion(), tabla_, anchosColumnas);
}

void Lib_FrmCons3Modelo::HScroll1_Change(long valor) { desplazamiento_ = valor; }

void Lib_FrmCons3Modelo::Form_Resize(double ancho, double alto, const MedidasLista& medidas) {
  disposicion_ = Disponer(ancho, alto, medidas);
}

void Lib_FrmCons3Modelo::Form_Unload() {
  UsarUDBC = false;
  const ErrorSistema e = GrabarAnchos();
  if (e.HayError()) operador().Mensaje(e.descripcion, botones::Critico, "Aviso al Operador");
  vista_->AntesDeCargar();
  filas_.Vaciar(0);
  seleccionada_ = -1;
  vista_->ListaCargada();
}
