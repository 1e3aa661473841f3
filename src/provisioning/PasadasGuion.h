#pragma once
// The passes of the script runner over the batches of a script. Every
// batch runs through the shared database object; a batch that fails
// because an object it needs does not exist yet (208) makes the whole
// list run again, at most 20 times in all, so that it finds what later
// batches create. Every later pass runs again every batch it runs at all,
// also those that succeeded: the errors of objects that already exist are
// therefore never written down.
//  - A batch with "FMT_ESTADISTICAFH" runs only from the second pass on.
//  - A batch with "drop " runs in the first pass only.
#include <functional>
#include <string>
#include <vector>

inline constexpr int kMaximoPasadas = 20;

struct GuionEnCurso {
  const std::vector<std::string>& lotes;
  std::string archivo;        // the script's path (decides the SS_MA_CUENTAS view)
  bool confidencial = false;  // that view restricted to the user's account groups
  // Receives each error block to record.
  std::function<void(const std::string&)> anotar;
};

// True when at least one error was recorded.
bool EjecutarPasadas(const GuionEnCurso& guion);

// Native codes never written to the error file: an object not there yet
// (208) and the objects, keys and defaults that are already there.
bool EsErrorEsperado(long nativo);
