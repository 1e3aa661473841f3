#pragma once
// Field formats of the data-set files. Each takes the text of a column
// (SinNulo of the field, UTF-8) or a value, and gives the text written
// into the line. Pure functions: no database, no file.
#include <string>
#include <string_view>

#include "sivlib/FechaHora.h"
#include "sivlib/Variant.h"

namespace vorna {

// Dates in the files: "yyyymmdd".
std::string FechaArchivo(const FechaHora& fecha);
// Same for a field value: a date, or a text in the regional or ISO form
// (what the embedded database returns for computed dates). Null, empty and
// a text that is no date give empty text.
std::string FechaArchivo(const Variant& valor);

// Money text of a column's text: the program's amount formatter
// (FmtMoneda) with two decimals and no grouping, trimmed, every "," made
// "." (1234.50). The text is read with ValorNumerico (no number is 0) and
// rounded half to even; a negative amount keeps its "-".
std::string TextoMoneda(std::string_view texto);
// Money text of the absolute value of a column's text: quantities and
// amounts of the sales file carry no sign.
std::string TextoMonedaSinSigno(std::string_view texto);

// The text of a column's value for a rule that reads it back as a number
// (ValorNumerico): it reads as the same number as the value's own text
// (SinNulo), but a number takes one conversion ("%.15g": the 15
// significant digits its text keeps) instead of the search for its
// shortest text, which costs up to fifteen on every amount of every line.
std::string TextoParaNumero(const Variant& valor);

// "Number of" a text: ValorNumerico, written back as plain text in the
// regional form ("3", "2,5" under a decimal comma).
std::string TextoNumero(std::string_view texto);

// The last n characters of a UTF-8 text (characters, not bytes, so an
// accented letter is never split).
std::string UltimosCaracteres(std::string_view texto, size_t n);

// Codes of customers: the last 10 characters, then trimmed.
std::string CodigoVorna(std::string_view texto);
// Names, streets, towns, mails, phones: fitted to 50 characters with
// Recortar, then trimmed.
std::string TextoAjustado(std::string_view texto);
// Document numbers: trimmed, without "-", "/", "." and "\".
std::string DocumentoSinSeparadores(std::string_view texto);

// Transaction of a sales line (voucher type + voucher number), trimmed.
// Proforma vouchers are reported as their fiscal counterparts: a
// transaction beginning with "FP" gets every "FP" replaced by "FC" and then
// every "X" by "A"; one beginning with "NCFP" gets every "NCFP" replaced by
// "NC" and then every "X" by "A" (all ignoring case). FPX0001 gives FCA0001,
// NCFPX0001 gives NCA0001, FCX0001 stays.
std::string TransaccionVorna(std::string_view texto);

// Seller of a route line: trimmed; a customer without seller gets "33".
std::string VendedorRuta(std::string_view texto);

// Deregistered flag of a customer line: "1" when the text reads as the
// number 1, otherwise "0".
std::string MarcaBaja(std::string_view texto);

}  // namespace vorna
