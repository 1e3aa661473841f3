#pragma once
// The program file copied into the destination folder, where the daily
// task runs it.
#include <string>

namespace tarea {

// The program file to copy: the one in the application folder (the
// program's own folder when it runs from its build folder), else the
// running executable itself. An installed program is not copied
// (ProgramaTarea.h).
std::string ProgramaACopiar();

// Copies `origen` to `destino` and makes the copy runnable. The bytes go
// first to a hidden file beside the destination, which then replaces the
// old copy in one step: a copy that is running at that moment keeps its
// file, and a failure leaves the old copy whole. Nothing is copied when
// both name the same file. Returns the reason of a failure, empty text
// when done.
std::string CopiarPrograma(const std::string& origen, const std::string& destino);

}  // namespace tarea
