#pragma once
// How the system writes dates and times. The patterns use the platform's
// date-format language: dd day, mm month (minutes when it follows hh or
// precedes ss), yy / yyyy year, hh hour (24 h), ss seconds.
#include <string>
#include <string_view>

#include "sivlib/FechaHora.h"

std::string FormatoFechaHora();  // "dd/mm/yy hh:mm"
std::string FormatoFecha();      // "dd/mm/yy"
std::string FormatoHora();       // "hh:mm"

// The date written with one of those patterns.
std::string FormatearFecha(const FechaHora& fecha, std::string_view patron);
