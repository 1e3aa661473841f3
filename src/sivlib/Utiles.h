#pragma once
// The maker's utility library, class Utiles: text and value helpers used
// all over the program.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "sivlib/ErrorSistema.h"
#include "sivlib/Variant.h"

struct ControlVentana;

// Text cut to at most n characters (n <= 0 gives empty text). Characters
// are counted in UTF-8, as the platform counts them in its code page.
std::string Recortar(std::string_view texto, int n);

// The leading number of a text: leading blanks skipped, an optional sign,
// digits, and a decimal part after "." or the regional decimal separator;
// rounded to 4 decimals (half away from zero). Text without a leading
// number gives 0. "12abc" gives 12, "  -3,5" gives -3.5 with "," as
// regional separator, "1.234,5" gives 1.234 (the thousands mark ends it).
double ValorNumerico(std::string_view texto);
// Same reading, truncated toward zero and clamped to the 32-bit range.
int ValorEntero(std::string_view texto);

// The platform's Val: the longest leading part that forms a number, blanks,
// tabs and line feeds being skipped wherever they are; "." is the decimal
// point; an exponent (E or D) is accepted. No leading number gives 0.
double Val(std::string_view texto);

// The value, a null (or empty variant) as empty text.
std::string SinNulo(const Variant& v);

// Number of words (runs of characters other than blanks, tabs and line breaks).
int ContarPalabras(std::string_view texto);

// Text without any of the given characters.
std::string QuitarCaracteres(std::string_view texto, std::string_view c1, std::string_view c2 = {},
                             std::string_view c3 = {});

// Every occurrence of `buscar` replaced by `reemplazo` (exact comparison).
std::string Reemplazar(std::string_view texto, std::string_view buscar, std::string_view reemplazo);

// The code trimmed and right-aligned to `ancho`, padded on the left with
// blanks ("1", 4 gives "   1"), the form the ERP stores its codes in. A
// longer code comes back trimmed, uncut.
std::string FormatearCodigo(std::string_view codigo, int ancho);

// The folder ending in exactly one separator. "/" and "\" both count as a
// final separator; the one added is the platform's ("/"). Empty text stays
// empty (no folder is not the root).
std::string ConBarraFinal(std::string_view carpeta);

// Stored form of a secret (user and password in the settings file):
// "~" followed by two hex digits per byte, each byte XOR-ed with a rolling
// key. Reversible: Descifrar(Cifrar(x)) == x. Descifrar of a text that is not
// in that form returns it unchanged, so a plain value typed into the
// settings file by hand still works.
std::string Cifrar(std::string_view texto);
std::string Descifrar(std::string_view texto);

// True when `valor` equals one of the names, ignoring case.
bool EstaEnLista(std::string_view valor, std::initializer_list<std::string_view> nombres);
bool EstaEnLista(std::string_view valor, const std::vector<std::string>& nombres);

// True when the control belongs to a control family (has an index).
bool EsDeMatriz(const ControlVentana& control);

// A date picked by the operator, day/month/year; empty when cancelled.
std::string ElegirFecha(const std::string& inicial = {});

// Shows the error to the operator (Abort, Retry, Ignore, critical icon,
// title "Aviso al Operador") and returns the answer: 4 retry, 5 ignore,
// 3 abort. Error number 0 shows nothing and answers 0.
int MostrarError(const ErrorSistema& error, const std::string& rutina);
