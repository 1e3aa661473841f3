#pragma once
// Amounts as the system shows them.
#include <string>

// The value text read as a number (ValorNumerico), rounded half to even to
// n decimals and written with the regional separators, grouped in
// thousands when `agrupado`. Decimals: -3 returns the text unchanged; -1
// takes the count from gDecimalesMoneda; 0 (also when -1 reads 0) takes the
// locale's currency decimals; -2 asks for none. A value that does not
// convert reads as 0.
std::string FmtMoneda(const std::string& valor, int decimales, bool agrupado);
