#pragma once
// Runs a crontab entry the way cron does, so that a test sees what the
// daily task really does: the command part after the five time fields,
// cron's "%" rule (an unescaped "%" ends the command and the rest, its
// other "%" turned into line breaks, is the command's standard input; "\%"
// stands for "%"), /bin/sh -c, and cron's environment: PATH=/usr/bin:/bin,
// SHELL=/bin/sh, HOME, LOGNAME and USER, the working folder HOME, nothing
// else (no DISPLAY, no TEMP).
#include <string>

struct EntradaCronLeida {
  std::string comando;  // what /bin/sh -c receives
  std::string entrada;  // standard input
};

// The command and the input of one crontab line, as cron reads them.
EntradaCronLeida LeerEntradaCron(const std::string& linea);

// The line of `tabla` that ends with `etiqueta`; empty when none.
std::string LineaConEtiqueta(const std::string& tabla, const std::string& etiqueta);

// Runs the line as cron would, for the user of this process with `casa` as
// home folder; standard output and standard error go to `salida`. Returns
// the exit status (128 + the signal's number when a signal ended it), or
// -1 when it did not start or still ran after `segundos` (then it is killed).
int EjecutarComoCron(const std::string& linea, const std::string& casa, const std::string& salida,
                     double segundos = 180);
