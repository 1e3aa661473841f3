#include "services/PropiedadControl.h"

#include <charconv>

#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "sivlib/Variant.h"

namespace {

enum class Clase { TextBox, CheckBox, OptionButton, ComboBox, Otra };

Clase ClaseDe(const ControlVentana& c) {
  const std::string t = texto::Mayusculas(c.tipo);
  if (t == "TEXTBOX") return Clase::TextBox;
  if (t == "CHECKBOX") return Clase::CheckBox;
  if (t == "OPTIONBUTTON") return Clase::OptionButton;
  if (t == "COMBOBOX") return Clase::ComboBox;
  return Clase::Otra;
}

// A whole number written as text (blanks around it allowed).
std::optional<int> Entero(const std::string& valor) {
  const std::string t = texto::Recortado(valor);
  int n = 0;
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (t.empty() || ec != std::errc() || fin != t.data() + t.size()) return std::nullopt;
  return n;
}

// A yes/no value as the platform writes it ("Verdadero"/"Falso", as the
// suite's other programs store it) or reads it ("True"/"False", numbers).
std::optional<bool> SiNo(const std::string& valor) {
  const std::string t = texto::Recortado(valor);
  if (EstaEnLista(t, {"Verdadero", "True"})) return true;
  if (EstaEnLista(t, {"Falso", "False"})) return false;
  if (auto n = Entero(t)) return *n != 0;
  return std::nullopt;
}

}  // namespace

std::optional<PropiedadControl> PropiedadGuardada(const ControlVentana& c) {
  const std::string indice = std::to_string(c.indice);
  switch (ClaseDe(c)) {
    case Clase::TextBox: return PropiedadControl{c.dataField, "Text", c.texto};
    case Clase::CheckBox:
      return PropiedadControl{EsDeMatriz(c) ? indice : c.dataField, "Value", std::to_string(c.valor)};
    case Clase::OptionButton:
      return PropiedadControl{EsDeMatriz(c) ? indice : c.nombre, "Value", Variant::Booleano(c.valor != 0).Texto()};
    case Clase::ComboBox: return PropiedadControl{c.dataField, "ListIndex", std::to_string(c.listIndex)};
    case Clase::Otra: break;
  }
  return std::nullopt;
}

bool RestaurarPropiedad(ModeloVentana& ventana, ControlVentana& c, const std::string& valor) {
  switch (ClaseDe(c)) {
    case Clase::TextBox: ventana.FijarTexto(c, texto::Recortado(valor)); return true;
    case Clase::CheckBox: {
      const auto n = Entero(valor);
      if (!n || *n < 0 || *n > 2) return false;
      ventana.FijarValor(c, *n);
      return true;
    }
    case Clase::OptionButton: {
      const auto b = SiNo(valor);
      if (!b) return false;
      ventana.FijarValor(c, *b ? 1 : 0);
      return true;
    }
    case Clase::ComboBox: {
      const auto n = Entero(valor);
      if (!n || *n < -1 || *n >= static_cast<int>(c.lista.size())) return false;
      ventana.FijarListIndex(c, *n);
      return true;
    }
    case Clase::Otra: break;
  }
  return false;
}
