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
  // Creates the task. Returns true when the window must hide: the crontab
  // holds the task's entry. False when it stays open: an invalid time, or a
  // step that failed (the destination folder is no usable folder, the
  // program cannot be copied (ProgramaTarea.h), the command file cannot be written or run, or
  // the entry is not in the crontab afterwards), each told to the operator.
  bool CmdAceptar_Click();
  // Shows the user's current crontab entries (the task scheduler's console).
  void CmdTareas_Click();

  // The boxes by index (0 name, 1 parameters, 2 program, 3 time).
  ControlVentana& Caja(int indice);

 private:
  // The destination folder, checked, as the task uses it: absolute (and
  // stored so when it was not). False after telling the operator why not.
  bool PrepararCarpeta(std::string& carpeta);
  // Writes the command file, runs it, removes it, and checks the crontab.
  // The entry gives the program `carpetaAplicacion` when not empty.
  bool Registrar(const std::string& comando, const std::string& carpetaAplicacion);
  // Tells the operator why the task was not created; false.
  bool Fallo(const std::string& motivo);

  ModeloVentana ventana_;
};

namespace tarea {
inline constexpr const char* kClaveHora = "HORA_UNIFICADORVORNA";
inline constexpr const char* kNombreTarea = "UnificadorVorna";
inline constexpr const char* kHoraPorDefecto = "00:01";
// Characters the operator may type into the time box ("HH:MM").
inline constexpr int kLargoHora = 5;
// The parameter text of the unattended run for the current connection
// (an embedded database's relative path made absolute).
std::string ParametrosDesatendido();
// The destination folder as the task names it: a relative one made absolute.
std::string CarpetaParaTarea(const std::string& carpeta);
}  // namespace tarea
