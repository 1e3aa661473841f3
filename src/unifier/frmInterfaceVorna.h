#pragma once
// frmInterfaceVorna, the unifier's main window, without widgets: its
// controls (captions, keys, data kinds, indices), its window-level
// variables and every operation of the window. The Qt window binds its
// widgets to Ventana() (and listens to its changes) and calls these
// operations; the unattended run uses the model alone, with no widget.
//
// The parts of the window that only a real window has are hooks the Qt
// window sets before Form_Load: the window frame and the status bar (both
// default to GUI-free models), the maker's toolbar (its five settings at
// load and the key presses), the scheduled-task window opened by
// cmdTarea_Click, and the end of the program at the close step.
#include <cstdint>
#include <functional>
#include <string>

#include "services/BarraEstado.h"
#include "services/MarcoVentana.h"
#include "sivlib/ModeloVentana.h"
#include "unifier/MarcoSinVentana.h"
#include "unifier/ResultadoArchivo.h"

class frmInterfaceVorna {
 public:
  frmInterfaceVorna();
  frmInterfaceVorna(const frmInterfaceVorna&) = delete;
  frmInterfaceVorna& operator=(const frmInterfaceVorna&) = delete;

  ModeloVentana& Ventana() { return ventana_; }

  // ---- Window-level variables ----
  // Index of the TxtFields box that last received the focus.
  int16_t CampoActual = 0;
  // Package number of the current generation run.
  std::string NroPaquete;

  // ---- Hooks of the real window ----
  void UsarMarco(MarcoVentana& marco) { marco_ = &marco; }
  void UsarBarraEstado(BarraEstado& barra) { barra_ = &barra; }
  BarraEstado& sbStatusBar() { return *barra_; }
  // Load step 4: the five Boolean settings of the toolbar control.
  std::function<void()> PrepararBarraHerramientas;
  // Every key press of the window, handed to the toolbar (key code by reference).
  std::function<void(int16_t& KeyCode, int16_t Shift)> TeclaBarraHerramientas;
  // cmdTarea_Click, after Grabar: the scheduled-task window, modal, then unloaded.
  std::function<void()> AbrirTareaProgramada;
  // Close step 3: ends the program at once.
  std::function<void()> TerminarPrograma;

  // ---- Controls ----
  ControlVentana& TxtFields(int indice);
  ControlVentana& Control(const std::string& nombre);
  ControlVentana& lblInfo() { return Control("lblInfo"); }

  // ---- Operations ----
  void Form_Load();
  // The close step (closing the window, or the toolbar's "CERRAR"); the
  // cancel flag is ignored.
  void Form_Unload(int16_t Cancel = 0);
  void Form_KeyDown(int16_t& KeyCode, int16_t Shift);
  void TxtFields_GotFocus(int16_t Index);
  // The toolbar's button event, by the button's key.
  void Barrix1_ButtonClick(const std::string& Key);
  void CmdDestino_Click();
  void cmdTarea_Click();
  void Grabar();
  void CmdConsultar();
  // The folder chooser: the chosen folder with its final separator, or
  // empty when the operator cancelled.
  std::string BrowseForDirectory(intptr_t hWndOwner = 0);
  // The generation run. Also kept for UltimaGeneracion().
  vorna::ResultadoGeneracion ActualizarDatos();
  // Writes and delivers the file of one data set ("VTA", "STK", "PDV", "RTA").
  vorna::ResultadoArchivo generarArchivo(const std::string& codigo, const std::string& desde, const std::string& hasta);

  // A generation run is writing files (its row loop lets window events run,
  // so a toolbar command may arrive meanwhile).
  bool GeneracionEnCurso() const { return enCurso_; }
  const vorna::ResultadoGeneracion& UltimaGeneracion() const { return ultima_; }

 private:
  // Fecha Hasta := the server's current moment; Fecha Desde := four days earlier.
  void FijarFechasDelServidor();
  // Checks one date box's text: empty becomes today's date moved by `dias`;
  // false (after the message) when it is no date.
  bool PrepararFecha(std::string& fecha, int dias);
  void Cerrar();

  ModeloVentana ventana_;
  MarcoSinVentana marcoPropio_;
  ModeloBarraEstado barraPropia_;
  MarcoVentana* marco_;
  BarraEstado* barra_;
  bool enCurso_ = false;
  vorna::ResultadoGeneracion ultima_;
};

namespace vorna {
// Typing limits of the boxes.
inline constexpr int kLargoCarpeta = 250;
inline constexpr int kLargoFecha = 10;
}  // namespace vorna
