#pragma once
// Exit statuses of ut_vorna, documented in the README; the scheduler (cron)
// and the operator's scripts read them.
namespace estado_salida {
constexpr int Exito = 0;             // every chosen file delivered / window closed normally
constexpr int ErrorUso = 2;          // unknown option
constexpr int SegundaInstancia = 3;  // another copy runs: refused
constexpr int SinConexion = 4;       // the main database connection could not be opened
constexpr int FalloGeneracion = 5;   // at least one data set was not delivered
constexpr int SinVentana = 6;        // interactive mode asked for, but no display (or no window yet)
}  // namespace estado_salida
