#pragma once
// The unattended run (launch parameter "1", the daily scheduled task): the
// main window is loaded as a model, with no widget, and the generation run
// writes the four data sets of the last four days into the destination
// folder stored for this machine.
namespace vorna {

// Exit statuses of the unattended run (the program's statuses 0 and 5).
namespace salida_desatendida {
constexpr int Exito = 0;            // every chosen file delivered whole
constexpr int FalloGeneracion = 5;  // at least one data set was not delivered whole
}  // namespace salida_desatendida

// Sets gEjecucionDesatendida, loads the main window, runs ActualizarDatos
// and returns the exit status. A data set that failed is named in one
// message to the operator (in the unattended operator: standard error and
// the error log). The caller installs the unattended operator and opens
// the database first; nothing here waits for anyone.
int EjecutarUnificacionDesatendida();

}  // namespace vorna
