#pragma once
// The maker's library, class CamposVentana: keyed text boxes and keyboard
// handling on the window model.
#include <string_view>

#include "sivlib/ModeloVentana.h"

// Index of the box of the family whose key (Tag) equals `nombre`, ignoring
// case; -1 when none has it.
int IndiceCampo(std::string_view nombre, ModeloVentana& ventana, std::string_view familia = "TxtFields");

// Enter (13) and the Down arrow (40) advance the focus like Tab.
bool EsTeclaAvance(int codigoTecla);
// Index of the control that receives the focus after `actual` in a family
// of `cantidad` boxes (wrapping to the first).
int Avanzar(int actual, int cantidad);

// Keystroke filter of a text box by its data kind: returns the character to
// accept, or 0 to drop it. Control characters (backspace, etc.) always pass.
// "FECHA": digits and "/"; "FMTHORA": digits and ":"; "NUMERO"/"ENTERO":
// digits, sign and (NUMERO only) the decimal marks; other kinds: anything.
char FiltrarTecla(const ControlVentana& caja, char caracter);
