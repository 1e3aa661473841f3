#pragma once
// The program the daily task runs.
//
// A program run from its build folder, or from a copy, is copied into the
// destination folder and the task runs that copy, as the task has always
// done. An installed program is not copied: the task runs the installed
// executable itself, so that the package manager's upgrade is what the
// next daily run starts (a copy would stay at the old version without
// anybody noticing), and names the application folder of the user who
// registered it (UT_VORNA_CARPETA), which cron's bare environment would
// not find when the operator's session chose another.
#include <string>

namespace tarea {

struct ProgramaTarea {
  std::string programa;           // what cron runs
  std::string carpetaAplicacion;  // the entry sets it for the program; empty: the program finds its own
  bool copiar = false;            // the program is copied to `programa` before the entry is registered
};

// The task's program for the destination folder `carpetaDestino`.
ProgramaTarea ProgramaDeLaTarea(const std::string& carpetaDestino);

}  // namespace tarea
