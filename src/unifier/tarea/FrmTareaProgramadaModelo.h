#pragma once
// The scheduled-task window without widgets: its controls, its load step
// and its commands. The Qt window FrmTareaProgramada shows this model; the
// tests drive it directly.
#include <string>

#include "sivlib/ModeloVentana.h"

class FrmTareaProgramadaModelo {
 public:
  FrmTareaProgramadaModelo();

  ModeloVentana& Ventana() { return ventana_; }
  // Destination folder stored for this machine, read at load.
  std::string CarpetaDestino;

  // Fills the four boxes; every failing step is skipped.
  void Form_Load();
  // Creates the task. Returns true when the window must hide (done), false
  // when it stays open (invalid time).
  bool CmdAceptar_Click();
  // Shows the user's current crontab entries (the task scheduler's console).
  void CmdTareas_Click();

  // The boxes by index (0 name, 1 parameters, 2 program, 3 time).
  ControlVentana& Caja(int indice);

 private:
  ModeloVentana ventana_;
};

namespace tarea {
inline constexpr const char* kClaveHora = "HORA_UNIFICADORVORNA";
inline constexpr const char* kNombreTarea = "UnificadorVorna";
inline constexpr const char* kHoraPorDefecto = "00:01";
// Characters the operator may type into the time box ("HH:MM").
inline constexpr int kLargoHora = 5;
// The parameter text of the unattended run for the current connection.
std::string ParametrosDesatendido();
// The user's crontab as text, or an error text; false when it could not be read.
bool LeerCrontab(std::string& salida);
}  // namespace tarea
