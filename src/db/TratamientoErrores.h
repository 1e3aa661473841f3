#pragma once
// The standard error dialog and its PXERR.LOG line. DB_Dll::TratamientoErrores
// logs beside the program (or in ArchivoErrores); TratamientoErroresGeneral,
// the shared module's twin, logs in the temporary folder. Answers: 4 repeat
// the failed step, 5 go on with the next, anything else leave the routine.
#include <cstdint>
#include <optional>
#include <string>

#include "sivlib/ErrorSistema.h"

// Default button set: Abort, Retry, Ignore with the critical icon.
constexpr int kBotonesError = 18;

int16_t TratamientoErroresGeneral(const ErrorSistema& CodErr, std::optional<int> Botones = std::nullopt,
                                  std::optional<std::string> Rutina = std::nullopt);

// The log file of TratamientoErroresGeneral: TEMP, else TMP, else the
// platform's temporary folder, plus "PXERR.LOG".
std::string RutaRegistroGeneral();

namespace tratamiento {
// The dialog's message: "Ha ocurrido el Siguiente Error (n) description", trimmed.
std::string Mensaje(const ErrorSistema& e);
// The dialog's title: source + (" - " + routine) + ending.
std::string Titulo(const ErrorSistema& e, const std::optional<std::string>& rutina, const std::string& final);
// Shows the dialog, appends the log line to `ruta`, returns the answer.
int16_t Preguntar(const ErrorSistema& e, std::optional<int> botones, const std::optional<std::string>& rutina,
                  const std::string& final, const std::string& ruta);
}  // namespace tratamiento
