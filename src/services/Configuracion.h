#pragma once
// The configuration store: installation-wide settings kept as text values
// under a text key in TA_CONFIGURACION (gTablaConfiguracion), on the main
// database (Cfg / GrabaDfg) or on the statistics database (CfgPX /
// GrabaCfgPX). Values are texts; readers interpret them ("SI"/"NO" flags,
// numbers, dates).
#include <string>

#include "sivlib/ErrorSistema.h"
#include "sivlib/Variant.h"

class DB_Dll;

// The value stored under the key (trimmed for the lookup); a missing key
// reads " " (one blank) and leaves ValorAux empty; a found one fills
// ValorAux with VALORAUX. "THEME" without a value reads "1". Before the main
// connection is open: "" without touching the database (ValorAux unchanged).
// A failure goes to the standard dialog (routine "Cfg"); "Ignorar" goes on,
// any other answer returns "".
std::string Cfg(const std::string& Clave, std::string& ValorAux);
std::string Cfg(const std::string& Clave, const std::string& ValorAuxIgnorado);  // auxiliary value not wanted
std::string Cfg(const std::string& Clave);
// The same on the statistics connection (routine "CfgPX"), without the
// open-connection test.
std::string CfgPX(const std::string& Clave, std::string& ValorAux);
std::string CfgPX(const std::string& Clave, const std::string& ValorAuxIgnorado);
std::string CfgPX(const std::string& Clave);

// Stores the value under the key, creating the row when missing: CLAVE
// trimmed and upper-cased, VALOR (trimmed when RecortarValor), GRUPO,
// POLITICANEGOCIO, and VALORAUX only when ValorAux is not empty (an
// existing one stays otherwise). The row is written by one statement, so a
// failure leaves it as it was; failures are not reported.
void GrabaDfg(const std::string& Clave, const Variant& Valor, const std::string& ValorAux = {},
              bool PoliticaNegocio = false, const std::string& Grupo = {}, bool RecortarValor = true);
void GrabaCfgPX(const std::string& Clave, const Variant& Valor, const std::string& ValorAux = {},
                bool PoliticaNegocio = false, const std::string& Grupo = {}, bool RecortarValor = true);

// GrabaDfg for a value whose loss matters (the package counter): the
// failure that kept it from being stored (the row could not be read or
// found again, the update was refused, the database is read-only), or,
// when the statements went through, a row that read back does not hold the
// value. Number 0 when the value is stored. Besides the dialog the
// database layer shows for a statement that cannot even be opened, nothing
// is shown: the caller says what the loss means.
ErrorSistema GrabaDfgComprobado(const std::string& Clave, const Variant& Valor, const std::string& ValorAux = {},
                                bool PoliticaNegocio = false, const std::string& Grupo = {}, bool RecortarValor = true);

namespace configuracion {
// The reading statement of a key (the key trimmed, its apostrophes doubled;
// upper-cased whole for "[FECHA HASTA]" / "[FECHA DESDE]").
std::string SentenciaLectura(const std::string& tabla, const std::string& clave);
// The writing side's row selection.
std::string SentenciaEscritura(const std::string& tabla, const std::string& clave);
// The table name in use: gTablaConfiguracion, "TA_CONFIGURACION" when blank
// (the blank one is replaced, as the readers do).
const std::string& Tabla();
}  // namespace configuracion
