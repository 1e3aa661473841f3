#pragma once
// The tree lookup window without widgets. It shows the rows of a two-column
// statement (code, description) as a tree in which each row hangs below the
// row whose code is the longest start of its own; the product families
// ("v_ta_familias") name their parent themselves. The operator searches by
// typing, narrows the statement with F5, checks nodes (a check passes down
// six levels) and accepts: the picked code is then looked up in its table.
//
// The lookup service sets `SQL` and `CampoDevuelto` (and `CheckBoxes`),
// shows the window modally, and reads `ValorDevuelto` (or `Valores`) when it
// hides itself. The Qt window Lib_FrmCons3Tree shows this model; the
// headless tests drive it directly.
#include <string>

#include "lookup/Colecciones.h"
#include "lookup/arbol/NodosArbol.h"
#include "sivlib/ModeloVentana.h"
#include "sivlib/Variant.h"

class Lib_FrmCons3TreeModelo {
 public:
  Lib_FrmCons3TreeModelo();

  // ---- Public members ----
  std::string SQL;                // statement of the tree; F5 narrows it
  std::string CampoDevuelto;      // "IDFAMILIA", "IDPOSICION" or "CODIGO": where the picked code is looked up
  bool CheckBoxes = false;        // nodes carry check boxes; the checked ones come back in Valores
  ColeccionValores Valores;       // out, with check boxes; released on cancel
  Variant ValorDevuelto;          // out, without check boxes
  ColeccionTextos CmpsDevueltos;  // released on cancel
  // Kept with the list window's meaning; the tree does not use them.
  std::string gConnString, FiltroInicial, CampoBusqueda;
  bool OrdenarPorLwv = false, UsaCantidades = false;
  ColeccionValores Cantidades;

  // ---- What the window shows ----
  ModeloVentana& Ventana() { return ventana_; }
  ControlVentana& CajaBusqueda();  // CmbSearch(0)
  const NodosArbol& Nodos() const { return nodos_; }
  // Grows whenever the nodes are rebuilt or removed: the window then shows them anew.
  int Version() const { return version_; }
  // The selected node; -1 when none.
  int NodoSeleccionado() const { return seleccionado_; }
  void SeleccionarNodo(int nodo);
  // Whether the nodes carry check boxes (CheckBoxes as the last load found it).
  bool ConCasillas() const { return casillas_; }

  // ---- Events ----
  void Form_Load();
  void ArmarTreeVFamilias();
  void ArmarTreeVAutomatico();
  // The search box's text changed (already in CajaBusqueda().texto).
  void CmbSearch_Change();
  // F5 in the search box: filter the statement by the typed description.
  void CmbSearch_F5();
  // "&Nueva Busqueda": the tree of the current statement again.
  void CmdNueva_Click();
  // The operator checked or unchecked a node.
  void TreeV_NodeCheck(int nodo, bool marcado);
  // "&Aceptar", Enter, double click. The window hides itself afterwards.
  void CmdAceptar_Click();
  // "&Cancelar", Esc. The window hides itself afterwards.
  void CmdCancelar_Click();
  // The window closes.
  void Form_Unload();

 private:
  using AgregarFila = ErrorSistema (Lib_FrmCons3TreeModelo::*)(const std::vector<Variant>& fila);
  void ArmarArbol(int columnas, AgregarFila agregar, bool omitirRepetidas);
  ErrorSistema AgregarFamilia(const std::vector<Variant>& fila);
  ErrorSistema AgregarPorPrefijo(const std::vector<Variant>& fila);
  void DevolverMarcados();
  void DevolverSeleccionado();

  ModeloVentana ventana_;
  NodosArbol nodos_;
  int version_ = 0;
  int seleccionado_ = -1;
  bool casillas_ = false;
};

// How far down a check passes: the checked node's descendants down to this level below it.
inline constexpr int kNivelesMarcados = 6;
