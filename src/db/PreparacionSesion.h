#pragma once
// What a new session runs before anything of the program, after every open
// and every reconnect.
//
// SQL Server reads a date literal such as '05/12/2026' by the session's
// date format, which follows the session's language: the one the client
// library sends at login (FreeTDS sends us_english, month first, unless told
// otherwise) or the login's default. The program writes every date in the
// regional day/month/year form, so each SQL Server session is told that
// order first: "SET DATEFORMAT dmy". Nothing else the program sends depends
// on the language (it reads no weekday numbers or month names, and decides
// on errors by their native codes). Other engines need nothing.
#include <string>

#include "db/motor/Motor.h"

constexpr const char* kOrdenFechasSesion = "SET DATEFORMAT dmy";

Resultado PrepararSesion(Motor& motor, const std::string& cadenaConexion);
