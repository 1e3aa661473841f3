#pragma once
// The user's crontab as the task window reads it: through the command
// "crontab", or the one named by UT_VORNA_CRONTAB (the tests' stand-in).
#include <string>

namespace tarea {

// The crontab command in use.
std::string ComandoCrontab();
// The user's crontab as text, or an error text; false when it could not be read.
bool LeerCrontab(std::string& salida);
// True when one line of `tabla` is exactly `entrada`.
bool EntradaEnTabla(const std::string& tabla, const std::string& entrada);

}  // namespace tarea
