#include "sivlib/PreparacionVentana.h"

#include <algorithm>
#include <utility>

#include "sivlib/Texto.h"

namespace {

struct VentanaRegistrada {
  std::string nombre;
  std::string parametro;
};

// One user-interface thread: a plain list is enough.
std::vector<VentanaRegistrada>& Registro() {
  static std::vector<VentanaRegistrada> registro;
  return registro;
}

std::vector<VentanaRegistrada>::iterator Buscar(const std::string& nombre) {
  auto& r = Registro();
  return std::find_if(r.begin(), r.end(),
                      [&](const VentanaRegistrada& v) { return texto::IgualesSinCaso(v.nombre, nombre); });
}

}  // namespace

void PrepararVentana(ModeloVentana& ventana, bool limpiar) {
  if (!limpiar) return;
  for (auto& c : ventana.Controles()) {
    if (texto::IgualesSinCaso(c.tipo, "TextBox")) ventana.FijarTexto(c, "");
    else if (texto::IgualesSinCaso(c.tipo, "CheckBox")) ventana.FijarValor(c, 0);
  }
}

void AbrirVentana(ModeloVentana& ventana, const std::string& parametro) {
  auto it = Buscar(ventana.Nombre());
  if (it != Registro().end()) it->parametro = parametro;
  else Registro().push_back({ventana.Nombre(), parametro});
}

void CerrarVentana(ModeloVentana& ventana, const std::string&) {
  auto it = Buscar(ventana.Nombre());
  if (it != Registro().end()) Registro().erase(it);
}

std::vector<std::string> VentanasAbiertas() {
  std::vector<std::string> nombres;
  for (const auto& v : Registro()) nombres.push_back(v.nombre);
  return nombres;
}

bool VentanaAbierta(const std::string& nombre) { return Buscar(nombre) != Registro().end(); }
