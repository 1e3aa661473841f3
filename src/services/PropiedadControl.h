#pragma once
// What the window-state store keeps of each kind of control: the
// DATAFIELD that tells apart the controls of one name, the property name,
// the value as text, and how a stored value goes back into the control.
// Kinds are recognised by the suite's type names ("TextBox", "CheckBox",
// "OptionButton", "ComboBox"), ignoring case; the table is shared with the
// suite's other programs, which write the same names.
#include <optional>
#include <string>

#include "sivlib/ModeloVentana.h"

struct PropiedadControl {
  std::string dataField;
  std::string propiedad;  // "Text", "Value" or "ListIndex"
  std::string valor;
};

// The saved property of a control; none for kinds that are not kept.
std::optional<PropiedadControl> PropiedadGuardada(const ControlVentana& c);

// Puts a stored value back into the control; false (control unchanged)
// when the value does not convert or the control refuses it.
bool RestaurarPropiedad(ModeloVentana& ventana, ControlVentana& c, const std::string& valor);
