#pragma once
// The macros a script batch may carry, replaced before it runs (with
// regard to case: "<date>" is left alone): "<DATE>" today, "<NOW>" the
// date and time, "<DATE+YEAR>" / "<DATE-YEAR>" today one calendar year
// later / earlier, "<DATABASE>" the main database's name in capitals.
// Dates are written as the regional settings print them.
#include <string>

#include "sivlib/FechaHora.h"

std::string ExpandirMacros(const std::string& lote, const FechaHora& ahora, const std::string& baseDatos);

// The same day `anios` calendar years away; 29 February becomes the 28th
// in a year without it.
FechaHora MasAnios(const FechaHora& fecha, int anios);
