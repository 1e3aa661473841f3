#pragma once
// Regional settings of the operator's session.
//
// Dates are always day/month/year (FechaHora). The decimal and thousands
// separators come from the user's LC_NUMERIC locale; the currency decimals
// from LC_MONETARY (2 when unknown). The environment variable
// UT_VORNA_SEPARADORES overrides the separators with two characters,
// decimal first ("," and "." give "1.234,5"); UT_VORNA_DECIMALES_MONEDA
// overrides the currency decimals. Tests use FijarSeparadores instead.
// The process's own C locale is never changed, so printf/strtod keep ".".
namespace regional {

char SeparadorDecimal();
char SeparadorMiles();
int DecimalesMoneda();

// Puts the C library's number format back to the C locale's (decimal
// point) after something took the user's locale for the whole process: Qt
// does when its application object is created. Numbers that the program
// writes and reads with printf and strtod (SQL text, JSON, files) then keep
// their "." under any regional setting.
void NumerosDelProcesoEnC();

// For tests: fixes the values until Restablecer() is called.
void FijarSeparadores(char decimal, char miles);
void FijarDecimalesMoneda(int decimales);
void Restablecer();

}  // namespace regional
