#pragma once
// The list lookup window without widgets. It shows the rows of one SELECT
// statement in a multi-column list with a search box above each column:
// typing in a box selects the first row whose column starts with the text,
// F5 narrows the statement in the database, a header click sorts, rows are
// marked when the caller asked for check boxes, quantities are entered
// when it allowed them, "N&uevo" registers a new record, and "&Aceptar" /
// "&Cancelar" end the lookup.
//
// The lookup service (Lib_ClsCons3) sets the public members, shows the
// window modally and reads the results once it hides itself. The Qt window
// Lib_FrmCons3 shows this model (it implements VistaLista); the headless
// tests drive it directly.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "db/Recordset.h"
#include "lookup/Colecciones.h"
#include "lookup/ColumnasConsulta.h"
#include "lookup/FilasConsulta.h"
#include "lookup/GeometriaConsulta.h"
#include "sivlib/ErrorSistema.h"
#include "sivlib/ModeloVentana.h"
#include "sivlib/Variant.h"

// The keys the list window acts on; the Qt window translates its key events.
enum class TeclaLista {
  Otra,
  F5,
  F12,
  Arriba,
  Abajo,
  RePag,
  AvPag,
  Espacio,
  Enter,
  Insertar,
  Suprimir,
  Retroceso,
  Caracter
};

// What the window must show after the model changed. Every member does
// nothing unless the window overrides it.
class VistaLista {
 public:
  virtual ~VistaLista() = default;
  // Columns and rows are about to be replaced (load, F5, "&Nueva Busqueda"),
  // and have been: in between the window must not read them.
  virtual void AntesDeCargar() {}
  virtual void ListaCargada() {}
  virtual void FilasCambiadas() {}  // marks or cells of any rows
  virtual void AntesDeOrdenar() {}
  virtual void OrdenCambiado() {}      // the rows in another order
  virtual void SeleccionCambiada() {}  // another selected row: show it
  virtual void GeometriaCambiada() {}  // column widths, boxes, window width
  virtual void EnfocarCaja(int /*indice*/) {}
  virtual void EnfocarLista() {}
  virtual void Ocultar() {}  // the window hides itself: the lookup ends
};

class Lib_FrmCons3Modelo {
 public:
  Lib_FrmCons3Modelo();
  Lib_FrmCons3Modelo(const Lib_FrmCons3Modelo&) = delete;
  Lib_FrmCons3Modelo& operator=(const Lib_FrmCons3Modelo&) = delete;

  // ---- Public members ----
  std::string SQL;                                     // the statement shown; the F5 filter replaces it
  std::string CampoDevuelto;                           // header of the column whose value is returned
  ColeccionTextos CmpsDevueltos;                       // headers of the columns the selected row returns in Valores
  bool CheckBoxes = false;                             // rows carry check boxes; the marked rows are returned
  std::string FiltroInicial;                           // first text of search box 0
  bool OrdenarPorLwv = false;                          // the list sorts its rows itself (first column, ascending)
  bool UsaCantidades = false;                          // the quantity keys are active
  ColeccionValores Valores;                            // out
  ColeccionValores Cantidades;                         // out: a new empty collection at each load
  Variant ValorDevuelto;                               // out: the single value returned
  std::string gConnString, CampoBusqueda;              // kept; not used by the window
  std::string ValoresDefault;                          // values whose rows start marked; "@10" widens the columns
  bool CfgUsaConsultaLIKE = false;                     // F5 matches anywhere in the column
  bool GrabarCfg = false;                              // the column widths are saved when the window closes
  bool UsarUDBC = false;                               // rows are read through the second database object
  Variant StkNivel1, StkNivel2, StkNivel3, StkNivel4;  // colours of the four stock levels
  std::string MuestraStock;                            // "SI": article rows are coloured by stock level

  // ---- What the window shows ----
  ModeloVentana& Ventana() { return ventana_; }
  // Search box i (above column i + 1); box 0 always exists.
  ControlVentana& CmbSearch(int indice);
  int CantidadCajas() const;
  const FilasConsulta& Filas() const { return filas_; }
  const std::vector<ColumnaConsulta>& Columnas() const { return columnas_; }
  // The selected row (as FilasConsulta numbers it); -1 when none.
  long FilaSeleccionada() const { return seleccionada_; }
  // The table name the load took from the statement (renamed by the widths step).
  const std::string& Tabla() const { return tabla_; }
  // The statement mentions "articulos": stock colours and the shortage report.
  bool Articulos() const { return articulos_; }
  // The colour value a row is drawn in; empty when it keeps the list's colour.
  Variant ColorDeFila(size_t fila) const;
  const GeometriaLista& Geometria() const { return geometria_; }
  const DisposicionLista& Disposicion() const { return disposicion_; }
  // Left edge of the pane (twips): minus the scroll bar's value.
  double IzquierdaPanel() const { return -double(desplazamiento_); }
  int CajaActual() const { return cajaActual_; }
  // How the list sorts itself: not at all (the statement's order), or by a
  // column (0-based) in a direction.
  bool Ordenada() const { return ordenada_; }
  size_t ColumnaOrden() const { return columnaOrden_; }
  bool Descendente() const { return descendente_; }

  // The window's own facts, set by the Qt window (twips): the width of n
  // letters "X" in its font, and the screen's width.
  std::function<double(int letras)> AnchoLetras;
  double AnchoPantalla = 15360;

  void UsarVista(VistaLista* vista);

  // ---- Operations ----
  void Form_Load();
  void Encolumnar();     // columns and search boxes from the open recordset
  void Leer();           // rows from the open recordset
  void LeerAnchos();     // the saved widths of the window's table
  void CalcularAncho();  // boxes aligned with the columns; list, pane, scroll bar and window sized
  // Saves the widths of the window's table when GrabarCfg (an error otherwise never).
  ErrorSistema GrabarAnchos();
  // 1-based position of the first row whose column `Clave` (0 = the first),
  // trimmed, starts with `QueValor` ignoring case; 0 when none does.
  int32_t Busqueda(int16_t Clave, const std::string& QueValor);
  // 1-based position of the first column whose header equals `Columna`
  // (trimmed, ignoring case); 0 when none does.
  int16_t IndiceColumna(const std::string& Columna) const;
  // The value of the row at column position k (1-based); empty for 0.
  std::string ValorEnColumna(size_t fila, int16_t k) const;

  // ---- Events ----
  // The operator typed in box i (or the program put text in it): the text
  // is stored and the box searches.
  void CmbSearch_Escribir(int16_t Index, const std::string& texto);
  void CmbSearch_Change(int16_t Index);
  void CmbSearch_GotFocus(int16_t Index);
  // True when the key was taken.
  bool CmbSearch_KeyDown(int16_t Index, TeclaLista tecla);
  // `texto`: what the key types (for TeclaLista::Caracter). True when taken.
  bool ListView1_KeyDown(TeclaLista tecla, bool shift, const std::string& texto = {});
  void ListView1_ItemClick(size_t fila);
  void ListView1_ItemCheck(size_t fila, bool marcada);
  void ListView1_DblClick();
  // A header click; `columna` 0-based.
  void ListView1_ColumnClick(size_t columna);
  // The operator dragged column k (0-based) to this width (twips).
  void ListView1_ColumnResize(size_t columna, double ancho);
  // Window-level keys (F12). True when taken.
  bool Form_KeyDown(TeclaLista tecla);
  void CmdAceptar_Click();
  void CmdCancelar_Click();
  void CmdNueva_Click();
  void CmdNuevo_Click();
  void CmdTodos_Click();
  void HScroll1_Change(long valor);
  void Form_Resize(double ancho, double alto, const MedidasLista& medidas);
  // The window closes: the widths are saved and the list emptied.
  void Form_Unload();

 private:
  void FiltrarF5(int16_t Index);
  void Seleccionar(long fila);
  uint8_t NivelStock(long indicePuntoPedido, long indiceStock);
  void AplicarOrden();
  void CambiarCantidad(double diferencia);
  void PedirCantidad();
  void InformarFaltante();
  void NuevoArticulo();
  void Ocultar();

  ModeloVentana ventana_;
  VistaLista* vista_;
  Recordset rs_;
  FilasConsulta filas_;
  std::vector<ColumnaConsulta> columnas_;
  GeometriaLista geometria_;
  DisposicionLista disposicion_;
  std::string sentenciaInicial_;  // the statement the window was first loaded with
  std::string base_;              // what the next F5 filter extends
  std::string tabla_;
  bool articulos_ = false;
  int cajaActual_ = 0;
  long seleccionada_ = -1;
  bool cargando_ = false;  // the window hears of the new rows once, at the end of the load
  long desplazamiento_ = 0;
  bool ordenada_ = false;
  size_t columnaOrden_ = 0;
  bool descendente_ = false;
};

namespace lista_consulta {
// How wide a letter "X" is taken without a window to measure it: the
// suite's 8-point font at 96 dots per inch.
inline constexpr double kTwipsPorLetra = 90;
}  // namespace lista_consulta
