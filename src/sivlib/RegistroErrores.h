#pragma once
// The error log PXERR.LOG: one line per answered dialog, in the ANSI code
// page, CR LF ended, appended. Layout:
//   mm-dd-yyyy hh:mm:ss Rutina: <- routine> Mensaje <message> Respondió : <word>
#include <string>
#include <string_view>

#include "sivlib/FechaHora.h"

namespace registro {

// The word written for an answer code (1 OK "", 2 "Cancelar", 3 "Abortar",
// 4 "Reintentar", 5 "Ignorar", 6 "Sí", 7 "No"); empty for other codes.
std::string PalabraRespuesta(int codigo);
// The text on one line: each CR LF, CR or LF becomes a blank. Messages
// built for a dialog break their lines with CR alone, which a terminal
// shows as one line written over another.
std::string EnUnaLinea(std::string_view texto);
// The log line without its line end; `rutina` empty gives no routine part.
// The message and the routine are put on one line.
std::string Linea(const FechaHora& momento, const std::string& rutina, const std::string& mensaje, int codigo);
// Appends `linea` + CR LF (converted to the ANSI code page), creating the
// file when missing. A file that cannot be written (its folder is
// read-only) gets the line in its copy in the user's state folder
// (RegistroAlternativo.h). Every failure is swallowed; returns whether the
// line was written.
bool Anexar(const std::string& ruta, const std::string& linea);

}  // namespace registro
